#pragma once
#include <QString>

/// A product's price as its tile shows it: "$ ###,##0.00" with the regional separators.
[[nodiscard]] QString TextoPrecio(double precio);

/// A product tile's caption: the capitalised description, a line break (one carriage
/// return) and the price as TextoPrecio gives it (taken as text: a tile shows it twice,
/// and formatting it is what costs).
[[nodiscard]] QString CaptionProducto(const QString &descripcion, const QString &textoPrecio);
