#pragma once
#include <QString>
#include <algorithm>
#include <cmath>

/// The integer part of a real, as the screens show counts and persons: truncated toward
/// zero ("2.9" gives 2, "-1.5" gives -1). A value that is not a finite number counts as 0,
/// and the result is kept within 64 bits, so a hostile reply cannot overflow it.
[[nodiscard]] inline qint64 ParteEntera(double v)
{
    if (!std::isfinite(v))
        return 0;
    constexpr double limite = 9.0e18;
    return qint64(std::trunc(std::clamp(v, -limite, limite)));
}

/// The integer part in decimal.
[[nodiscard]] inline QString TextoParteEntera(double v) { return QString::number(ParteEntera(v)); }
