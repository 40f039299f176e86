#include "kitchen/FilasSurtido.h"
#include <cmath>

QString TextoPlatillo(const QString &cliente, const QString &mesa, const QString &producto)
{
    return cliente + QStringLiteral(" - ") + mesa + u'\r' + producto;
}

QString TextoCantidad(double cantidad)
{
    if (std::isnan(cantidad))
        return QStringLiteral("0");
    // Adding 0.0 turns the -0 of a small negative quantity into 0.
    return QString::number(std::trunc(cantidad) + 0.0, 'f', 0);
}

FilaSurtido FilaDe(const TSurtido &s)
{
    return {TextoPlatillo(s.Cliente, s.Mesa, s.Producto), TextoCantidad(s.Cantidad)};
}

FilaSurtido FilaDe(const MemoriaSur &m)
{
    return {TextoPlatillo(m.Cliente, m.Mesa, m.Producto), TextoCantidad(m.Cantidad)};
}

MemoriaSur Recordar(const TSurtido &s)
{
    return {s.NuVenta, s.NuVenta_Mov, s.Cliente, s.Mesa, s.Producto, s.Cantidad};
}
