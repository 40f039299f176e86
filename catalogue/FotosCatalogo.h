#pragma once
#include <QByteArray>
#include <QString>

class TileList;

/// Names of the picture files the catalogue keeps in the documents folder.
namespace FotosCatalogo {
/// "cat12.jpg" for category 12.
[[nodiscard]] QString Categoria(int nuCategoria);
/// "c.jpg": the one file every subcategory picture passes through.
[[nodiscard]] QString SubCategoria();
/// The product's picture file: its ID + ".jpg", the ID encoded when the server sent
/// something that could leave the documents folder.
[[nodiscard]] QString Producto(const QString &id);
/// True when a picture-file name read back from the saved list names a file directly
/// inside the documents folder (no separators, not "." or "..", no control characters).
[[nodiscard]] bool EsNombreLocal(const QString &nombre);

/// Writes the bytes to the named file in the documents folder and shows them as tile i's
/// picture. False, and the tile left without picture, when the file cannot be written.
bool GuardarYMostrar(TileList &lista, int i, const QByteArray &bytes, const QString &nombre);
} // namespace FotosCatalogo
