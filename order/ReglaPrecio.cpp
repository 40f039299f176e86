#include "order/ReglaPrecio.h"
#include "util/Numeros.h"

PrecioLinea ReglaPrecio(const TProducto &p, const ReglasEmpresa &r)
{
    PrecioLinea l;
    double precio = p.NuMoneda == 2 ? p.Precio * r.TC_VentaCredito : p.Precio;
    l.PreOri = precio;
    if (r.IVAIncluido)
        precio = precio / ((p.TasaIVA + 100) / 100);

    // "Greater than 0" lets a NaN rate through as well; R6 then makes the price 0.
    // The formulas take both taxes out of the list price in pesos, so they start from
    // the converted price, not from the one the division for IVA left.
    if (!(p.TasaIEPS <= 0)) {
        const double lista = l.PreOri;
        switch (r.OP_IEPS_SOBRE_IVA) {
        case 0: precio = R6(lista / (100 + p.TasaIVA + p.TasaIEPS) * 100); break;
        case 1: precio = R6((lista / (100 + p.TasaIVA) * 100) / ((100 + p.TasaIEPS) / 100)); break;
        case 2: precio = R6((lista / (100 + p.TasaIEPS) * 100) / ((100 + p.TasaIVA) / 100)); break;
        default: break;
        }
    }
    l.Precio = precio;
    return l;
}
