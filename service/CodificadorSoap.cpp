#include "service/CodificadorSoap.h"
#include "service/EscritorXml.h"
#include "service/EspaciosSoap.h"
#include "service/FormatoSoap.h"
#include "service/RefValor.h"

using namespace Qt::StringLiterals;

namespace {
// Prefixes of the operation and type namespaces; the others are fixed by the service.
const QString PrefijoOperacion = u"NS1"_s;
const QString PrefijoTipos = u"NS2"_s;

QLatin1StringView EspacioXsd(VersionEsquema v)
{
    switch (v) {
    case VersionEsquema::X1999: return soap::Xsd1999;
    case VersionEsquema::X2000_10: return soap::Xsd2000;
    case VersionEsquema::X2001: break;
    }
    return soap::Xsd2001;
}

QLatin1StringView EspacioXsi(VersionEsquema v)
{
    switch (v) {
    case VersionEsquema::X1999: return soap::Xsi1999;
    case VersionEsquema::X2000_10: return soap::Xsi2000;
    case VersionEsquema::X2001: break;
    }
    return soap::Xsi2001;
}

void AbrirSobre(EscritorXml &w, VersionEsquema v)
{
    w.declaracion();
    w.abrir(u"SOAP-ENV:Envelope");
    w.atributo(u"xmlns:SOAP-ENV", QString(soap::Envelope));
    w.atributo(u"xmlns:xsd", QString(EspacioXsd(v)));
    w.atributo(u"xmlns:xsi", QString(EspacioXsi(v)));
    w.atributo(u"xmlns:SOAP-ENC", QString(soap::Encoding));
    w.abrir(u"SOAP-ENV:Body");
}

/// Writes values the SOAP section 5 way, keeping the records still to be written as
/// multi-reference values.
class Codificador {
public:
    explicit Codificador(const OpcionesRespuesta &o) : m_op(o) {}

    QByteArray sobre(const QString &elemento, const QList<Parte> &partes)
    {
        EscritorXml operacion;
        operacion.abrir(PrefijoOperacion + u':' + elemento);
        operacion.atributo(u"xmlns:"_s + PrefijoOperacion, QString(soap::Operaciones));
        for (const Parte &p : partes)
            accesor(operacion, p.nombre, RefValor::de(p.valor), false);
        operacion.cerrar();

        EscritorXml valores;
        for (qsizetype i = 0; i < m_pendientes.size(); ++i) // grows while records are written
            valorMultiRef(valores, m_pendientes[i]);

        EscritorXml w;
        AbrirSobre(w, m_op.esquema);
        w.atributo(u"SOAP-ENV:encodingStyle", QString(soap::Encoding));
        if (m_op.referenciasAdelantadas)
            w.anexar(valores.bytes());
        w.anexar(operacion.bytes());
        if (!m_op.referenciasAdelantadas)
            w.anexar(valores.bytes());
        w.cerrar();
        w.cerrar();
        return w.bytes();
    }

private:
    struct Pendiente {
        QString id;
        const void *registro;
        const TypeInfo *tipo;
    };

    bool moderno() const { return m_op.esquema == VersionEsquema::X2001; }
    QString tipoFecha() const { return moderno() ? u"xsd:dateTime"_s : u"xsd:timeInstant"_s; }
    QString tipoBytes() const { return moderno() ? u"xsd:base64Binary"_s : u"SOAP-ENC:base64"_s; }
    QString tipoRegistro(const TypeInfo &t) const { return PrefijoTipos + u':' + QLatin1StringView(t.nombreXml); }

    void escalar(EscritorXml &w, QStringView nombre, const QString &tipo, const QString &texto)
    {
        w.abrir(nombre);
        w.atributo(u"xsi:type", tipo);
        w.texto(texto);
        w.cerrar();
    }

    void nulo(EscritorXml &w, QStringView nombre)
    {
        w.abrir(nombre);
        // The 1999 and 2000/10 schema instances call it "null".
        if (moderno())
            w.atributo(u"xsi:nil", u"true");
        else
            w.atributo(u"xsi:null", u"1");
        w.cerrar();
    }

    void declararTipos(EscritorXml &w, bool enAmbito)
    {
        if (!enAmbito)
            w.atributo(u"xmlns:"_s + PrefijoTipos, QString(soap::Tipos));
    }

    void accesor(EscritorXml &w, const QString &nombre, const RefValor &v, bool tiposEnAmbito)
    {
        switch (v.tipo) {
        case Tipo::Integer: return escalar(w, nombre, u"xsd:int"_s, QString::number(v.como<int>()));
        case Tipo::Double: return escalar(w, nombre, u"xsd:double"_s, TextoDouble(v.como<double>()));
        case Tipo::Boolean: return escalar(w, nombre, u"xsd:boolean"_s, v.como<bool>() ? u"true"_s : u"false"_s);
        case Tipo::String: return escalar(w, nombre, u"xsd:string"_s, v.como<QString>());
        case Tipo::DateTime: return escalar(w, nombre, tipoFecha(), TextoFechaHora(v.como<double>()));
        // TDate and TTime travel as the bare day count, so they say they are doubles.
        case Tipo::Date:
        case Tipo::Time: return escalar(w, nombre, u"xsd:double"_s, TextoDouble(v.como<double>()));
        case Tipo::Bytes: return escalar(w, nombre, tipoBytes(), QString::fromLatin1(v.como<QByteArray>().toBase64()));
        case Tipo::XSDateTime: {
            const auto &f = v.como<std::optional<QDateTime>>();
            if (f && f->isValid())
                return escalar(w, nombre, tipoFecha(), TextoFechaHora(*f));
            return nulo(w, nombre);
        }
        case Tipo::Record: return registro(w, nombre, v.opcional->valor(v.dato), *v.registro, tiposEnAmbito);
        case Tipo::Array: return arreglo(w, nombre, v, tiposEnAmbito);
        }
    }

    void registro(EscritorXml &w, QStringView nombre, const void *r, const TypeInfo &t, bool tiposEnAmbito)
    {
        if (!r)
            return nulo(w, nombre);
        w.abrir(nombre);
        if (m_op.multiRef) {
            const QString id = m_op.prefijoIds + QString::number(m_pendientes.size() + 1);
            m_pendientes.append({id, r, &t});
            w.atributo(u"href", u'#' + id);
        } else {
            declararTipos(w, tiposEnAmbito);
            w.atributo(u"xsi:type", tipoRegistro(t));
            campos(w, r, t);
        }
        w.cerrar();
    }

    void arreglo(EscritorXml &w, QStringView nombre, const RefValor &v, bool tiposEnAmbito)
    {
        const qsizetype n = v.arreglo->largo(v.dato);
        w.abrir(nombre);
        declararTipos(w, tiposEnAmbito);
        w.atributo(u"xsi:type", u"SOAP-ENC:Array");
        w.atributo(u"SOAP-ENC:arrayType", tipoRegistro(*v.registro) + u'[' + QString::number(n) + u']');
        for (qsizetype i = 0; i < n; ++i)
            registro(w, u"item", v.opcional->valor(v.arreglo->elementoC(v.dato, i)), *v.registro, true);
        w.cerrar();
    }

    void campos(EscritorXml &w, const void *r, const TypeInfo &t)
    {
        for (const FieldInfo &f : t.campos)
            accesor(w, QLatin1StringView(f.nombre), RefValor::de(f, r), true);
    }

    void valorMultiRef(EscritorXml &w, const Pendiente &p)
    {
        const QString tipo = tipoRegistro(*p.tipo);
        w.abrir(tipo);
        w.atributo(u"id", p.id);
        w.atributo(u"xsi:type", tipo);
        declararTipos(w, false);
        campos(w, p.registro, *p.tipo);
        w.cerrar();
    }

    OpcionesRespuesta m_op;
    QList<Pendiente> m_pendientes;
};
} // namespace

QByteArray EscribirSobreSoap(const QString &elemento, const QList<Parte> &partes, const OpcionesRespuesta &opciones)
{
    return Codificador(opciones).sobre(elemento, partes);
}

QByteArray EscribirPeticionSoap(const QString &operacion, const QList<Parte> &partes)
{
    return EscribirSobreSoap(operacion, partes, OpcionesRespuesta{VersionEsquema::X2001, true, {}, false});
}

QByteArray EscribirRespuestaSoap(const QString &operacion, const QList<Parte> &partes,
                                 const OpcionesRespuesta &opciones)
{
    return EscribirSobreSoap(operacion + u"Response"_s, partes, opciones);
}

QByteArray EscribirFaultSoap(const QString &faultcode, const QString &faultstring, VersionEsquema esquema)
{
    EscritorXml w;
    AbrirSobre(w, esquema);
    w.abrir(u"SOAP-ENV:Fault");
    w.abrir(u"faultcode");
    // A bare code ("Server") is one of the envelope's own.
    w.texto(faultcode.contains(u':') ? faultcode : u"SOAP-ENV:"_s + faultcode);
    w.cerrar();
    w.abrir(u"faultstring");
    w.texto(faultstring);
    w.cerrar();
    w.cerrar();
    w.cerrar();
    w.cerrar();
    return w.bytes();
}
