#include "order/CalcularDetalle.h"
#include <cmath>

namespace {
/// A rate in percent as a factor, computed the way the amounts always were: (r + 100) / 100 − 1.
/// A rate that is not a number charges nothing: the price rule gave such a line price 0, and
/// a NaN amount would reach the server and every total of the comanda.
double factor(double tasa) { return std::isfinite(tasa) ? (tasa + 100) / 100 - 1 : 0; }
} // namespace

TDetalle CalcularDetalle(TDetalle d, const ReglasEmpresa &r)
{
    d.SubTotal = d.Precio * d.Cantidad;
    d.IVA = factor(d.TasaIVA) * d.SubTotal;
    // The price rule took IEPS out of the price whether or not IVA is included, so it is
    // charged back the same way in both cases: the line then totals the list price.
    switch (r.OP_IEPS_SOBRE_IVA) {
    case 0: d.IEPS = factor(d.TasaIEPS) * d.SubTotal; break;
    case 1: d.IEPS = factor(d.TasaIEPS) * (d.SubTotal + d.IVA); break;
    case 2:
        d.IEPS = factor(d.TasaIEPS) * d.SubTotal;
        d.IVA = factor(d.TasaIVA) * (d.SubTotal + d.IEPS);
        break;
    default: break; // IEPS stays as it was
    }
    d.Total = d.SubTotal + d.IVA + d.IEPS;
    return d;
}
