#pragma once
#include "service/TCategoria.h"
#include "service/TProducto.h"
#include "sim/Filtro.h"
#include <QSqlDatabase>

/// The menu as the service hands it out: categories with their subcategories, and
/// products chosen by a filter, pictures only when asked for.
class Catalogo {
public:
    explicit Catalogo(QSqlDatabase db) : m_db(std::move(db)) {}

    /// Every category by number, each with its subcategory list (Count 0 when it has none).
    [[nodiscard]] TListaCategoria categorias(bool fotos) const;
    /// The products the filter selects, by ID. An invalid filter selects none.
    [[nodiscard]] TListaProducto productos(const Filtro &filtro, bool fotos) const;
    /// True when a product with this ID exists.
    [[nodiscard]] bool existe(const QString &id) const;
    /// True when the product exists and none of it is left in stock.
    [[nodiscard]] bool agotado(const QString &id) const;

private:
    QSqlDatabase m_db;
};
