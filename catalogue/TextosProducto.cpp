#include "catalogue/TextosProducto.h"
#include "util/Numeros.h"
#include "util/Textos.h"

QString TextoPrecio(double precio) { return FormatoPatron(precio, QStringLiteral("$ ###,##0.00")); }

QString CaptionProducto(const QString &descripcion, const QString &textoPrecio)
{
    return Capitalizar(descripcion) + u'\r' + textoPrecio;
}
