#pragma once
// The sample restaurant in memory and comandas to give it, for the sim's tests.
#include "sim/BaseDatos.h"
#include "sim/Restaurante.h"

inline const QString kUser = QStringLiteral("mesero");
inline const QString kPass = QStringLiteral("1234");

/// A freshly seeded restaurant, as the sim starts without a database file.
struct RestauranteDePrueba {
    AjustesSim ajustes;
    BaseDatos base;
    Restaurante r{base.db(), ajustes};
};

/// One line at 16 % IVA, its amounts worked out from the price before taxes.
inline TDetalle LineaDePrueba(int nu, const QString &id, double cantidad, double precio)
{
    TDetalle d;
    d.NuDetalle = nu;
    d.NuProducto = id;
    d.Producto = QStringLiteral("Producto ") + id;
    d.Cantidad = cantidad;
    d.Precio = precio;
    d.TasaIVA = 16;
    d.SubTotal = precio * cantidad;
    d.IVA = d.SubTotal * 0.16;
    d.Total = d.SubTotal + d.IVA;
    d.PreOri = precio * 1.16;
    return d;
}

/// A comanda as the client sends it: a table, a customer, persons, lines and totals.
inline TPedido PedidoDePrueba(int mesa, const QList<TDetalle> &lineas)
{
    TPedido p;
    p.NuPaso = mesa;
    p.ReferenciaPago = QStringLiteral("Cliente de prueba");
    p.NuEstado = 2;
    p.Cliente.emplace();
    for (const TDetalle &d : lineas) {
        p.ArrayDetalle.append(d);
        p.SubTotal += d.SubTotal;
        p.IVA += d.IVA;
        p.Total += d.Total;
    }
    p.Count = int(lineas.size());
    return p;
}
