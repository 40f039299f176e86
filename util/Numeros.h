#pragma once
#include <QString>

/// Reads a whole number tolerantly: blanks and commas are ignored; decimal, or
/// hexadecimal after "$", "0x" or "x"; anything unreadable or beyond 32 bits is 0.
[[nodiscard]] int LeerEntero(const QString &s);

/// Reads a real number tolerantly: blanks, parentheses, double quotes, the regional
/// thousands separator and currency symbol are ignored; anything unreadable is 0.
[[nodiscard]] double LeerReal(const QString &s);

/// Two decimals with thousands grouping and the regional separators ("4,567.50");
/// 14 significant digits at most, so what rounds to 1e14 or beyond comes out in scientific form.
[[nodiscard]] QString FormatoNumero(double v);

/// Formats with one of the fixed patterns of the screens: "$ ###,##0.00",
/// "###,##0.00", "###,##0", "#######0", "#####0.000000". Literal text before the
/// digits is kept, "," asks for thousands grouping, the zeros after "." fix the
/// decimals. Ties round away from zero.
[[nodiscard]] QString FormatoPatron(double v, const QString &patron);

/// Rounds to six decimals the way the price rule does: through "#####0.000000"
/// and back through LeerReal, so NaN and the infinities come out as 0.
[[nodiscard]] double R6(double v);
