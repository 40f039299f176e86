#include "sim/Operaciones.h"
#include "service/SoapServidor.h"
#include <QJsonObject>

namespace {

const QString kServidor = QStringLiteral("SOAP-ENV:Server");
const QString kCliente = QStringLiteral("SOAP-ENV:Client");

VersionEsquema Esquema(const QString &s)
{
    if (s == u"1999")
        return VersionEsquema::X1999;
    if (s == u"2000")
        return VersionEsquema::X2000_10;
    return VersionEsquema::X2001;
}

OpcionesRespuesta Opciones(const AjustesSim &a)
{
    OpcionesRespuesta o;
    o.esquema = Esquema(a.esquema);
    o.multiRef = a.multiref;
    o.prefijoIds = a.prefijo_ids;
    o.referenciasAdelantadas = a.adelantadas;
    return o;
}

/// Reads the arguments of one request; a missing one is the caller's mistake.
class Argumentos {
public:
    Argumentos(const PeticionSoap &p, const QString &op) : m_p(p), m_op(op) {}
    template <class T> void operator()(const char *nombre, T &destino)
    {
        if (!m_p.leer(QString::fromLatin1(nombre), Valor::de(destino)))
            throw ErrorServicio(QStringLiteral("Falta el argumento %1 de %2").arg(QLatin1StringView(nombre), m_op),
                                kCliente);
    }

private:
    const PeticionSoap &m_p;
    QString m_op;
};

Parte P(const char *nombre, Valor v)
{
    return {QString::fromLatin1(nombre), v};
}

} // namespace

QByteArray Operaciones::responder(const QString &op, const PeticionSoap &peticion)
{
    const OpcionesRespuesta o = Opciones(m_ajustes);
    const bool sinResultado = AjustesSim::cubre(m_ajustes.sin_resultado_en, op);
    auto escribir = [&](QList<Parte> partes) {
        // A reply without its result, as a broken server may send; the var arguments stay.
        if (sinResultado)
            partes.removeIf([](const Parte &p) { return p.nombre == u"return"; });
        return EscribirRespuestaSoap(op, partes, o);
    };
    Argumentos a(peticion, op);
    QString User, Pass;
    auto credenciales = [&] {
        a("User", User);
        a("Pass", Pass);
    };
    if (op == u"VersionWSPos") {
        int r = m_servicio.VersionWSPos();
        return escribir({P("return", Valor::de(r))});
    }
    if (op == u"AccesoUserXModuloXAlmacen") {
        QString Field, Msg, Modulos, Almacen;
        int NuUser = 0, NuAlmacen = 0;
        credenciales();
        a("Field", Field);
        a("NuUser", NuUser);
        a("NuAlmacen", NuAlmacen);
        a("Msg", Msg);
        a("Modulos", Modulos);
        a("Almacen", Almacen);
        bool r = m_servicio.AccesoUserXModuloXAlmacen(User, Pass, Field, NuUser, NuAlmacen, Msg, Modulos, Almacen);
        return escribir({P("return", Valor::de(r)), P("NuUser", Valor::de(NuUser)),
                         P("NuAlmacen", Valor::de(NuAlmacen)), P("Msg", Valor::de(Msg)),
                         P("Modulos", Valor::de(Modulos)), P("Almacen", Valor::de(Almacen))});
    }
    if (op == u"DatosEmpresa2") {
        QString Nombre, Comercial, RFC, Domicilio, Telefono, Correo;
        bool IVAIncluido = false;
        int OP_IEPS_SOBRE_IVA = 0;
        double TC_VentaCredito = 0, TC_CobranzaCredito = 0;
        a("Nombre", Nombre);
        a("Comercial", Comercial);
        a("RFC", RFC);
        a("Domicilio", Domicilio);
        a("Telefono", Telefono);
        a("Correo", Correo);
        a("IVAIncluido", IVAIncluido);
        a("OP_IEPS_SOBRE_IVA", OP_IEPS_SOBRE_IVA);
        a("TC_VentaCredito", TC_VentaCredito);
        a("TC_CobranzaCredito", TC_CobranzaCredito);
        m_servicio.DatosEmpresa2(Nombre, Comercial, RFC, Domicilio, Telefono, Correo, IVAIncluido, OP_IEPS_SOBRE_IVA,
                                 TC_VentaCredito, TC_CobranzaCredito);
        return escribir(
            {P("Nombre", Valor::de(Nombre)), P("Comercial", Valor::de(Comercial)), P("RFC", Valor::de(RFC)),
             P("Domicilio", Valor::de(Domicilio)), P("Telefono", Valor::de(Telefono)), P("Correo", Valor::de(Correo)),
             P("IVAIncluido", Valor::de(IVAIncluido)), P("OP_IEPS_SOBRE_IVA", Valor::de(OP_IEPS_SOBRE_IVA)),
             P("TC_VentaCredito", Valor::de(TC_VentaCredito)), P("TC_CobranzaCredito", Valor::de(TC_CobranzaCredito))});
    }
    if (op == u"DatosEmpresa3") {
        QString p1, p2, p3, p4, p5;
        a("Printer1", p1);
        a("Printer2", p2);
        a("Printer3", p3);
        a("Printer4", p4);
        a("Printer5", p5);
        m_servicio.DatosEmpresa3(p1, p2, p3, p4, p5);
        return escribir({P("Printer1", Valor::de(p1)), P("Printer2", Valor::de(p2)), P("Printer3", Valor::de(p3)),
                         P("Printer4", Valor::de(p4)), P("Printer5", Valor::de(p5))});
    }
    if (op == u"UltimoError") {
        QString r = m_servicio.UltimoError();
        return escribir({P("return", Valor::de(r))});
    }
    if (op == u"ObtenerCategoriasPOS") {
        bool Foto = false;
        credenciales();
        a("Foto", Foto);
        auto r = m_servicio.ObtenerCategoriasPOS(User, Pass, Foto);
        return escribir({P("return", Valor::de(r))});
    }
    if (op == u"ListaProductoConFoto") {
        QString Where;
        bool Foto = false;
        credenciales();
        a("Where", Where);
        a("Foto", Foto);
        auto r = m_servicio.ListaProductoConFoto(User, Pass, Where, Foto);
        return escribir({P("return", Valor::de(r))});
    }
    if (op == u"ListaMesas" || op == u"ListaComandas") {
        int NuMesero = 0;
        credenciales();
        a("NuMesero", NuMesero);
        auto r = op == u"ListaMesas" ? m_servicio.ListaMesas(User, Pass, NuMesero)
                                     : m_servicio.ListaComandas(User, Pass, NuMesero);
        return escribir({P("return", Valor::de(r))});
    }
    if (op == u"Guardar_Comanda") {
        std::optional<TPedido> Pedido;
        credenciales();
        a("Pedido", Pedido);
        int r = m_servicio.Guardar_Comanda(User, Pass, Pedido.value_or(TPedido{}));
        return escribir({P("return", Valor::de(r))});
    }
    if (op == u"ObtenerResumen") {
        int ComandasPen = 0, ComandasFin = 0;
        double Propinas = 0, Total = 0;
        credenciales();
        a("ComandasPen", ComandasPen);
        a("ComandasFin", ComandasFin);
        a("Propinas", Propinas);
        a("Total", Total);
        int r = m_servicio.ObtenerResumen(User, Pass, ComandasPen, ComandasFin, Propinas, Total);
        return escribir({P("return", Valor::de(r)), P("ComandasPen", Valor::de(ComandasPen)),
                         P("ComandasFin", Valor::de(ComandasFin)), P("Propinas", Valor::de(Propinas)),
                         P("Total", Valor::de(Total))});
    }
    if (op == u"ObtenerSurtido") {
        int NuPrinter = 0, Marcar = 0, Platillos = 0;
        credenciales();
        a("NuPrinter", NuPrinter);
        a("Marcar", Marcar);
        a("Platillos", Platillos);
        auto r = m_servicio.ObtenerSurtido(User, Pass, NuPrinter, Marcar, Platillos);
        return escribir({P("return", Valor::de(r)), P("Platillos", Valor::de(Platillos))});
    }
    throw ErrorServicio(QStringLiteral("Operacion desconocida: %1").arg(op), kCliente);
}

RespuestaHttp Operaciones::atender(const QByteArray &peticion, const QString &accion)
{
    std::optional<PeticionSoap> p;
    try {
        p.emplace(peticion);
    } catch (const ErrorServicio &e) {
        RespuestaHttp r;
        r.estado = 500;
        r.tipo = "text/xml; charset=utf-8";
        r.cuerpo = EscribirFaultSoap(kCliente, e.mensaje(), Esquema(m_ajustes.esquema));
        return r;
    }
    const QString op = p->operacion();
    QString usuario;
    p->leer(QStringLiteral("User"), Valor::de(usuario));
    // A sim left running for a demonstration keeps only the latest calls.
    if (m_llamadas.size() >= 1000)
        m_llamadas.removeFirst();
    m_llamadas.append(QJsonObject{{QStringLiteral("operacion"), op},
                                  {QStringLiteral("accion"), accion},
                                  {QStringLiteral("usuario"), usuario}});

    RespuestaHttp r = contestar(op, *p);
    // The work is done (a comanda stored) by now: the answer may still be lost or slowed.
    if (AjustesSim::cubre(m_ajustes.tarde_en, op))
        r.tardeMs = m_ajustes.tarde_ms;
    if (AjustesSim::cubre(m_ajustes.gotear_en, op))
        r.goteoMs = m_ajustes.goteo_ms;
    if (AjustesSim::cubre(m_ajustes.cerrar_en, op))
        r.corte = RespuestaHttp::Corte::Cerrar;
    if (AjustesSim::cubre(m_ajustes.morir_en, op))
        r.corte = RespuestaHttp::Corte::Morir;
    return r;
}

RespuestaHttp Operaciones::contestar(const QString &op, const PeticionSoap &p)
{
    RespuestaHttp r;
    r.tipo = "text/xml; charset=utf-8";
    const VersionEsquema esquema = Esquema(m_ajustes.esquema);
    if (AjustesSim::cubre(m_ajustes.retraso_en, op))
        r.retrasoMs = m_ajustes.retraso_ms;
    if (m_ajustes.http_error > 0 && AjustesSim::cubre(m_ajustes.http_error_en, op)) {
        const QString texto = QStringLiteral("Error HTTP %1 simulado").arg(m_ajustes.http_error);
        r.estado = m_ajustes.http_error;
        if (m_ajustes.http_error_fault) {
            r.cuerpo = EscribirFaultSoap(kServidor, texto, esquema);
        } else {
            r.tipo = "text/plain; charset=utf-8";
            r.cuerpo = texto.toUtf8();
        }
        return r;
    }
    if (AjustesSim::cubre(m_ajustes.fault_en, op)) {
        m_ajustes.ultimo_error = m_ajustes.fault_texto;
        r.estado = 500;
        r.cuerpo = EscribirFaultSoap(kServidor, m_ajustes.fault_texto, esquema);
    } else {
        try {
            r.cuerpo = responder(op, p);
        } catch (const ErrorServicio &e) {
            r.estado = 500;
            r.cuerpo = EscribirFaultSoap(e.faultcode().isEmpty() ? kServidor : e.faultcode(), e.mensaje(), esquema);
        } catch (const std::exception &e) {
            m_ajustes.ultimo_error = QString::fromUtf8(e.what());
            r.estado = 500;
            r.cuerpo = EscribirFaultSoap(kServidor, m_ajustes.ultimo_error, esquema);
        }
    }
    // Cut inside the document: what is left can never be well-formed.
    if (m_ajustes.malformado && AjustesSim::cubre(m_ajustes.malformado_en, op))
        r.cuerpo.truncate(r.cuerpo.size() / 2);
    return r;
}
