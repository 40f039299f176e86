#include "catalogue/FotosCatalogo.h"
#include "app/TileList.h"
#include "util/Archivos.h"

namespace FotosCatalogo {

QString Categoria(int nuCategoria) { return QStringLiteral("cat") + QString::number(nuCategoria) + QStringLiteral(".jpg"); }

QString SubCategoria() { return QStringLiteral("c.jpg"); }

QString Producto(const QString &id) { return NombreArchivoSeguro(id) + QStringLiteral(".jpg"); }

bool EsNombreLocal(const QString &nombre)
{
    if (nombre.isEmpty() || nombre == u"." || nombre == u"..")
        return false;
    for (const QChar c : nombre)
        if (c == u'/' || c == u'\\' || c.unicode() < 32 || c.unicode() == 127)
            return false;
    return true;
}

bool GuardarYMostrar(TileList &lista, int i, const QByteArray &bytes, const QString &nombre)
{
    const QString ruta = RutaDocumento(nombre);
    try {
        GuardarBytes(bytes, ruta);
    } catch (const ErrorArchivo &) {
        // A picture that cannot be cached is simply not shown; the tile stays.
        return false;
    }
    // The tile keeps the bytes just written (shared, not read back): the same picture the file holds.
    lista.setPicture(i, AlmacenImagenes::instancia().guardar(bytes));
    return true;
}

} // namespace FotosCatalogo
