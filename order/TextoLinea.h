#pragma once
#include "service/TPedido.h"
#include "service/TProducto.h"

/// The full product text of an order line: the description, then a blank and each of
/// manufacturer, model and detail that is not blank.
[[nodiscard]] QString TextoProducto(const TProducto &p);

/// The text of a line in the comanda list: the product, then its marked modifiers on a
/// second line and the free text on a third, each after " ** ". Line breaks are carriage returns.
[[nodiscard]] QString TextoLinea(const TDetalle &d);

/// The detail of a line in the comanda list: the quantity as a whole number, " X", a
/// line break and the line's total ("2 X", "$ 116.00").
[[nodiscard]] QString DetalleLinea(const TDetalle &d);
