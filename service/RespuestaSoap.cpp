#include "service/RespuestaSoap.h"
#include "service/DecodificadorSoap.h"
#include "service/SobreSoap.h"

namespace {
/// Attributes a reply needs; the rest (xsi:type above all) would only cost memory.
QList<QLatin1StringView> AtributosDeRespuesta()
{
    return {QLatin1StringView("id"), QLatin1StringView("href"), QLatin1StringView("nil"),
            QLatin1StringView("null")};
}

bool PuedeFaltar(Tipo t) { return t == Tipo::Record || t == Tipo::XSDateTime; }

void Ausente(const Valor &v)
{
    if (v.tipo == Tipo::Record)
        v.opcional->quitar(v.dato);
    else
        static_cast<std::optional<QDateTime> *>(v.dato)->reset();
}

LimitesXml Limites(qint64 bytes)
{
    LimitesXml l;
    l.bytes = bytes;
    return l;
}
} // namespace

RespuestaSoap::RespuestaSoap(qint64 limiteBytes)
    : m_arbol(QStringLiteral("La respuesta del servicio"), Limites(limiteBytes), AtributosDeRespuesta())
{
    // A picture is a few kilobytes of Base64: decoded while the reply downloads.
    m_arbol.decodificarBase64Desde(1024);
}

void RespuestaSoap::alimentar(QByteArrayView datos) { m_arbol.alimentar(datos); }

bool RespuestaSoap::esSobre() const { return EsSobreSoap(m_arbol); }

void RespuestaSoap::terminar()
{
    m_arbol.terminar();
    const int cuerpo = CuerpoSoap(m_arbol);
    if (auto fault = FaultSoap(m_arbol, cuerpo))
        throw *fault;
    m_respuesta = ElementoPrincipalSoap(m_arbol, cuerpo);
    if (m_respuesta < 0)
        throw ErrorServicio(QStringLiteral("La respuesta del servicio no trae ningún elemento de respuesta"));
}

void RespuestaSoap::leer(QStringView operacion, const std::optional<Valor> &resultado, const QList<Parte> &salidas)
{
    Q_ASSERT(m_respuesta >= 0);
    DecodificadorSoap decodificador(m_arbol);
    if (resultado) {
        int nodo = -1;
        const int primero = m_arbol.hijo(m_respuesta);
        const bool unico = primero >= 0 && m_arbol.siguiente(primero) < 0;
        // A lone child is the result, unless it is named after an output argument.
        if (unico && std::none_of(salidas.cbegin(), salidas.cend(),
                                  [&](const Parte &p) { return m_arbol.nombre(primero) == p.nombre; }))
            nodo = primero;
        else if ((nodo = HijoSoap(m_arbol, m_respuesta, u"return", Qt::CaseInsensitive)) < 0)
            nodo = HijoSoap(m_arbol, m_respuesta, u"result", Qt::CaseInsensitive);
        if (nodo >= 0)
            decodificador.leer(nodo, *resultado);
        else if (PuedeFaltar(resultado->tipo))
            Ausente(*resultado);
        else
            throw ErrorServicio(QStringLiteral("La respuesta de %1 no trae el resultado").arg(operacion));
    }
    for (const Parte &p : salidas)
        if (const int nodo = HijoSoap(m_arbol, m_respuesta, p.nombre); nodo >= 0)
            decodificador.leer(nodo, p.valor);
}
