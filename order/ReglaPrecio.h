#pragma once
#include "service/TProducto.h"

/// The company's tax settings received at sign-in, as prices and amounts use them.
struct ReglasEmpresa {
    bool IVAIncluido = false;   // list prices include IVA
    int OP_IEPS_SOBRE_IVA = 0;  // how IEPS and IVA stack: 0, 1 or 2
    double TC_VentaCredito = 0; // exchange rate for products in currency 2
};

/// The two prices of a new order line.
struct PrecioLinea {
    double PreOri = 0; // list price in local currency
    double Precio = 0; // unit price before taxes
};

/// The unit price of a product for an order line. Currency 2 is converted with the
/// sale exchange rate; IVA is taken out of prices that include it; a product with IEPS
/// (or an unreadable IEPS rate) gets its price from one of three formulas by
/// OP_IEPS_SOBRE_IVA, each taking both taxes out of the converted list price and
/// rounded to six decimals (an unreadable result is 0).
[[nodiscard]] PrecioLinea ReglaPrecio(const TProducto &p, const ReglasEmpresa &r);
