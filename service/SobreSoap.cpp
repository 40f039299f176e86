#include "service/SobreSoap.h"
#include "service/EspaciosSoap.h"

namespace {
/// All the text under an element (a fault's detail may be structured).
QString TextoCompleto(const ArbolXml &arbol, int nodo)
{
    QString t = arbol.texto(nodo);
    for (int c = arbol.hijo(nodo); c >= 0; c = arbol.siguiente(c))
        t += TextoCompleto(arbol, c);
    return t;
}
} // namespace

bool EsSobreSoap(const ArbolXml &arbol)
{
    const int raiz = arbol.raiz();
    return raiz >= 0 && arbol.nombre(raiz) == u"Envelope" && arbol.espacio(raiz) == soap::Envelope;
}

int CuerpoSoap(const ArbolXml &arbol)
{
    if (!EsSobreSoap(arbol))
        throw ErrorServicio(QStringLiteral("La respuesta del servicio no es un sobre SOAP"));
    for (int c = arbol.hijo(arbol.raiz()); c >= 0; c = arbol.siguiente(c))
        if (arbol.nombre(c) == u"Body" && arbol.espacio(c) == soap::Envelope)
            return c;
    throw ErrorServicio(QStringLiteral("El sobre SOAP no tiene cuerpo (Body)"));
}

int ElementoPrincipalSoap(const ArbolXml &arbol, int cuerpo)
{
    for (int c = arbol.hijo(cuerpo); c >= 0; c = arbol.siguiente(c))
        if (arbol.atributo(c, QLatin1StringView("id")).isNull())
            return c;
    return -1;
}

std::optional<ErrorServicio> FaultSoap(const ArbolXml &arbol, int cuerpo)
{
    for (int f = arbol.hijo(cuerpo); f >= 0; f = arbol.siguiente(f)) {
        if (arbol.nombre(f) != u"Fault")
            continue;
        const auto parte = [&](QStringView nombre) {
            const int n = HijoSoap(arbol, f, nombre);
            return n < 0 ? QString() : TextoCompleto(arbol, n);
        };
        QString codigo = parte(u"faultcode").trimmed();
        if (codigo.isEmpty())
            codigo = QStringLiteral("SOAP-ENV:Server"); // a fault is a fault, code or not
        return ErrorServicio(parte(u"faultstring"), codigo, parte(u"faultactor"), parte(u"detail"));
    }
    return std::nullopt;
}

int HijoSoap(const ArbolXml &arbol, int nodo, QStringView nombre, Qt::CaseSensitivity cs)
{
    for (int c = arbol.hijo(nodo); c >= 0; c = arbol.siguiente(c))
        if (arbol.nombre(c).compare(nombre, cs) == 0)
            return c;
    return -1;
}
