#pragma once
#include "service/TCategoria.h"
#include "service/TProducto.h"
#include "sim/Filtro.h"

/// A large menu made on request rather than stored: the category "Generados" (number
/// 90, one subcategory 901) with `productos` products, IDs 900001 on, each with a
/// picture of `bytesFoto` bytes (a JPEG tile padded with bytes that differ from
/// product to product). The same settings always give the same bytes.
class MenuGenerado {
public:
    static constexpr int NuCategoria = 90;
    static constexpr int NuSubCategoria = 901;

    MenuGenerado(int productos, int bytesFoto) : m_productos(productos), m_bytesFoto(bytesFoto) {}

    [[nodiscard]] TCategoria categoria(bool fotos) const;
    /// The generated products the filter selects, appended to `lista` (Count is not set).
    void productos(const Filtro &filtro, bool fotos, TListaProducto &lista) const;

private:
    [[nodiscard]] TProducto producto(int i, bool fotos) const;
    [[nodiscard]] QByteArray foto(int i) const;

    int m_productos;
    int m_bytesFoto;
};
