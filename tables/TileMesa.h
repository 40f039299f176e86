#pragma once
#include "app/Tile.h"
#include "service/TInfo1.h"

/// The badge of a table tile: the integer part of its open-comanda count when the count
/// is above 0, none ("") otherwise.
[[nodiscard]] QString InsigniaMesa(double cant);

/// The tile of one table: its number as tag, its name as caption, its second line as
/// notes and its badge. The picture is the list's to set (a named store).
[[nodiscard]] Tile TileMesa(const TInfo1 &mesa);
