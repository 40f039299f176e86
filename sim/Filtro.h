#pragma once
#include <QString>

/// A product filter as the client writes it in `Where` of ListaProductoConFoto:
/// "(PRODUCTO.NUCATEGORIA=N)", the same followed by " and (PRODUCTO.NUSUBCATEGORIA=M)",
/// "@text" (description contains text) or "#code" (product ID or barcode).
struct Filtro {
    enum class Clase { Invalido, Categoria, Subcategoria, Texto, Codigo };
    Clase clase = Clase::Invalido;
    int categoria = 0;
    int subcategoria = 0;
    QString texto; // Texto: the words searched; Codigo: the code

    /// Reads a `Where`; blanks around the parts and letter case of the keywords do not matter.
    [[nodiscard]] static Filtro leer(const QString &where);

    /// True when the description holds the searched text, ignoring case and accents.
    [[nodiscard]] bool contieneTexto(const QString &descripcion) const;
};

/// Lower case without accents: "Café" and "CAFE" both become "cafe".
[[nodiscard]] QString Plegar(const QString &s);
