#pragma once
#include "order/ReglaPrecio.h"
#include "service/TPedido.h"

/// The amounts of one order line from its Precio, Cantidad and rates: SubTotal, IVA,
/// IEPS (only when prices exclude IVA, stacked by OP_IEPS_SOBRE_IVA) and Total.
/// Nothing is rounded; only the display rounds.
[[nodiscard]] TDetalle CalcularDetalle(TDetalle d, const ReglasEmpresa &r);
