#pragma once
#include <QString>

/// How a product list is asked for: by category, by subcategory, by a search text or by a code.
enum class TipoFiltro { Categoria = 1, SubCategoria = 2, Texto = 3, Codigo = 4 };

/// The filter string sent as `Where` for a product request. `filtro` is the search
/// text (types 3 and 4); the category and subcategory come from the last tiles tapped.
/// Any other type gives an empty filter.
[[nodiscard]] QString FiltroProductos(int tipo, const QString &filtro, int nuCategoria, int nuSubCategoria);

/// What a search typed in the search box asks for.
struct Busqueda {
    bool cargar = false;  // false: nothing to load
    int tipo = 0;         // TipoFiltro::Texto or TipoFiltro::Codigo
    QString filtro;       // the text handed to CargarProductos
    QString cantidad;     // for a code search: the quantity text before the "*"
};

/// Reads a search text: "coca" searches by text; "3*7501" asks for code 7501 with
/// quantity 3. A blank text, a code without a positive quantity or without a code
/// loads nothing. The text is never trimmed: the service gets it as typed.
[[nodiscard]] Busqueda LeerBusqueda(const QString &texto);

/// What the instant search looks for as a search text is typed: the text itself; for a
/// quantity and a code ("3*7501") the text after the "*", the quantity being the search
/// button's business. Empty (show the list held) for a blank text and for one the
/// button would not load ("0*7501", "x*7501", "3*").
[[nodiscard]] QString TextoInstantaneo(const QString &texto);
