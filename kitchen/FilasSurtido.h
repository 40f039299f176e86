#pragma once
#include "app/Estado.h"
#include "service/TSurtido.h"
#include <QString>

/// One row of the ready-dish list: customer and table, then the dish on a second line;
/// the quantity at the right.
struct FilaSurtido {
    QString texto;
    QString detalle;
    friend bool operator==(const FilaSurtido &, const FilaSurtido &) = default;
};

/// Customer, " - ", table, a carriage return and the dish.
[[nodiscard]] QString TextoPlatillo(const QString &cliente, const QString &mesa, const QString &producto);

/// The integer part of a quantity in decimal ("2" for 2.9, "0" for -0.5); a value that is
/// not a number reads as "0".
[[nodiscard]] QString TextoCantidad(double cantidad);

[[nodiscard]] FilaSurtido FilaDe(const TSurtido &s);
[[nodiscard]] FilaSurtido FilaDe(const MemoriaSur &m);

/// The remembered copy of a ready dish.
[[nodiscard]] MemoriaSur Recordar(const TSurtido &s);
