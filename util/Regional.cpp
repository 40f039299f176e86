#include "util/Regional.h"
#include <QLocale>

namespace {
Regional leerDelSistema()
{
    const QLocale loc = QLocale::system();
    Regional r;
    r.decimal = loc.decimalPoint();
    r.miles = loc.groupSeparator();
    const QString simbolo = loc.currencySymbol();
    // The C locale has no currency symbol; fall back to the peso sign.
    r.moneda = simbolo.isEmpty() ? QStringLiteral("$") : simbolo;
    if (r.decimal.isEmpty())
        r.decimal = QStringLiteral(".");
    return r;
}

Regional &actual()
{
    static Regional r = leerDelSistema();
    return r;
}
} // namespace

const Regional &regional() { return actual(); }

void setRegional(const Regional &r) { actual() = r; }
