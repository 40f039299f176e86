#pragma once
#include "order/ReglaPrecio.h"
#include "service/TPedido.h"

/// The amounts of one order line from its Precio, Cantidad and rates: SubTotal, IVA,
/// IEPS (stacked with IVA by OP_IEPS_SOBRE_IVA, whether prices include IVA or not) and Total.
/// Nothing is rounded; only the display rounds.
[[nodiscard]] TDetalle CalcularDetalle(TDetalle d, const ReglasEmpresa &r);
