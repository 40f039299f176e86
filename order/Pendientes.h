#pragma once
#include "service/TProducto.h"
#include <array>

/// The six pending modifier texts: slots 1 to 5 (at 0 to 4) hold modifiers marked on
/// tiles, slot 6 (at 5) the free text.
using EspPendientes = std::array<QString, 6>;

/// True when any of Mod1 to Mod10 holds something besides blanks and the signs . , ; : - _
/// (such a product opens the modifier screen before it is added).
[[nodiscard]] bool TieneModificadores(const TProducto &p);

/// A tap on a modifier: unmarks it when a slot among 1 to 5 holds that text (emptying
/// every such slot), otherwise stores it in the first empty one. Answers the modifier's
/// new mark: 1 stored, 0 not (also when all five slots are in use).
int AlternarModificador(EspPendientes &pendientes, const QString &modificador);

/// The modifier screen's heading: the prompt while nothing is pending, otherwise the
/// product followed, on a line each, by " > " and every pending text.
[[nodiscard]] QString EncabezadoModificadores(const QString &encabezado, const QString &producto,
                                             const EspPendientes &pendientes);
