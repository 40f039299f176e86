#include "order/CalcularDetalle.h"

namespace {
/// A rate in percent as a factor, computed the way the amounts always were: (r + 100) / 100 − 1.
double factor(double tasa) { return (tasa + 100) / 100 - 1; }
} // namespace

TDetalle CalcularDetalle(TDetalle d, const ReglasEmpresa &r)
{
    d.SubTotal = d.Precio * d.Cantidad;
    d.IVA = factor(d.TasaIVA) * d.SubTotal;
    if (!r.IVAIncluido) {
        switch (r.OP_IEPS_SOBRE_IVA) {
        case 0: d.IEPS = factor(d.TasaIEPS) * d.SubTotal; break;
        case 1: d.IEPS = factor(d.TasaIEPS) * (d.SubTotal + d.IVA); break;
        case 2:
            d.IEPS = factor(d.TasaIEPS) * d.SubTotal;
            d.IVA = factor(d.TasaIVA) * (d.SubTotal + d.IEPS);
            break;
        default: break; // IEPS stays as it was
        }
    }
    d.Total = d.SubTotal + d.IVA + d.IEPS;
    return d;
}
