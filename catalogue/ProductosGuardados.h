#pragma once
#include "service/TProducto.h"
#include "storage/ProductoGuardado.h"

class ListaProductosGuardados;

/// The product list of one filter as the saved list holds it: its products in saved
/// order with key, texts, price, currency, taxes and modifiers, and `FotoStr` naming
/// the cached picture file. An empty list when the filter was never saved.
[[nodiscard]] TListaProducto RestaurarProductos(const ListaProductosGuardados &guardados, const QString &filtro);

/// The same from the records at `posiciones` (as buscar found them).
[[nodiscard]] TListaProducto RestaurarProductos(const ListaProductosGuardados &guardados, const QList<int> &posiciones);

/// The product a saved record holds, as a restore makes it.
[[nodiscard]] TProducto ProductoGuardado(const TProductoGuardado &r);

/// The saved record of a product fetched for `filtro`; `foto` is the name of its
/// cached picture file, empty when none was written.
[[nodiscard]] DatosProductoGuardado RegistroProducto(const TProducto &p, const QString &filtro, const QString &foto);
