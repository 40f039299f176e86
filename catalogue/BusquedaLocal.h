#pragma once
#include "service/TProducto.h"
#include <QList>
#include <QStringList>

// The instant search over the products the client already holds: texts compared in
// lower case and without accents (Normalizar), a product found when its key holds every
// word typed.

/// What tells two known products apart: the same ID and description are one product
/// (the sample menu gives every dish one ID).
[[nodiscard]] QString IdentidadProducto(const TProducto &p);

/// A product's search key: its description, ID and barcodes, normalised, one a line.
[[nodiscard]] QString ClaveBusqueda(const TProducto &p);

/// The words of a search text, normalised; none for a blank text.
[[nodiscard]] QStringList PalabrasBusqueda(const QString &texto);

/// The key holds every word (anywhere: "pastor" finds "Tacos al pastor", "7501" a code).
[[nodiscard]] bool Coincide(QStringView clave, const QStringList &palabras);

/// The positions of the keys that hold every word, in order; none without words.
[[nodiscard]] QList<int> Coincidencias(const QList<QString> &claves, const QStringList &palabras);
