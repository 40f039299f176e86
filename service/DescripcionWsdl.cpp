#include "service/DescripcionWsdl.h"
#include "service/ArbolXml.h"
#include "service/ErrorServicio.h"

namespace {
/// The first child named `nombre` (any namespace) whose attribute "name" is `valor`,
/// or with any name when `valor` is null.
int Hijo(const ArbolXml &a, int nodo, QStringView nombre, QStringView valor = {})
{
    for (int c = a.hijo(nodo); c >= 0; c = a.siguiente(c))
        if (a.nombre(c) == nombre && (valor.isNull() || a.atributo(c, QLatin1StringView("name")) == valor))
            return c;
    return -1;
}

/// "tns:Itrazenbinding" -> "Itrazenbinding"
QStringView SinPrefijo(QStringView q)
{
    const qsizetype i = q.indexOf(u':');
    return i < 0 ? q : q.mid(i + 1);
}
} // namespace

EnlaceSoap LeerDescripcionWsdl(const QByteArray &wsdl, const QString &servicio, const QString &puerto,
                               const QUrl &direccion)
{
    ArbolXml a(QStringLiteral("La descripción del servicio"));
    a.alimentar(wsdl);
    a.terminar();
    const int raiz = a.raiz();
    if (a.nombre(raiz) != u"definitions")
        throw ErrorServicio(QStringLiteral("La dirección %1 no da una descripción de servicio (WSDL)")
                                .arg(direccion.toDisplayString()));

    const int s = Hijo(a, raiz, u"service", servicio);
    const int p = s < 0 ? -1 : Hijo(a, s, u"port", puerto);
    if (p < 0)
        throw ErrorServicio(QStringLiteral("La descripción del servicio no tiene el servicio %1 con el puerto %2")
                                .arg(servicio, puerto));
    const int direccionSoap = Hijo(a, p, u"address");
    const QString ubicacion =
        direccionSoap < 0 ? QString() : a.atributo(direccionSoap, QLatin1StringView("location")).trimmed().toString();
    if (ubicacion.isEmpty())
        throw ErrorServicio(QStringLiteral("La descripción del servicio no da la dirección del puerto %1").arg(puerto));

    EnlaceSoap e;
    e.endpoint = direccion.resolved(QUrl(ubicacion));
    const QStringView nombreEnlace = SinPrefijo(a.atributo(p, QLatin1StringView("binding")));
    if (const int b = nombreEnlace.isEmpty() ? -1 : Hijo(a, raiz, u"binding", nombreEnlace); b >= 0) {
        for (int op = a.hijo(b); op >= 0; op = a.siguiente(op)) {
            if (a.nombre(op) != u"operation")
                continue;
            const int soapOp = Hijo(a, op, u"operation");
            const QStringView accion =
                soapOp < 0 ? QStringView() : a.atributo(soapOp, QLatin1StringView("soapAction"));
            e.acciones.insert(a.atributo(op, QLatin1StringView("name")).toString(), accion.toString());
        }
    }
    return e;
}
