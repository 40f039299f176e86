#include "order/TextoLinea.h"
#include "util/Numeros.h"
#include "util/Textos.h"

QString TextoProducto(const TProducto &p)
{
    QString r = p.Descripcion;
    for (const QString *parte : {&p.Fabricante, &p.Modelo, &p.Detalle})
        if (TieneTexto(*parte))
            r += u' ' + *parte;
    return r;
}

namespace {
/// Anything besides blanks counts for opening the modifiers' line.
bool algoMasQueEspacios(const QString &s)
{
    for (const QChar ch : s)
        if (ch != u' ')
            return true;
    return false;
}
} // namespace

QString TextoLinea(const TDetalle &d)
{
    QString r = d.Producto;
    bool hayModificador = false;
    for (int k = 1; k <= 5; ++k)
        hayModificador = hayModificador || algoMasQueEspacios(d.Esp(k));
    if (hayModificador)
        r += u'\r';
    for (int k = 1; k <= 5; ++k)
        if (TieneTexto(d.Esp(k)))
            r += QStringLiteral(" ** ") + Recortar(d.Esp(k));
    if (TieneTexto(d.Esp6))
        r += QStringLiteral("\r ** ") + Recortar(d.Esp6);
    return r;
}

QString DetalleLinea(const TDetalle &d)
{
    return FormatoPatron(d.Cantidad, QStringLiteral("###,##0")) + QStringLiteral(" X\r$ ")
           + FormatoPatron(d.Total, QStringLiteral("###,##0.00"));
}
