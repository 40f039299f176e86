#include "util/Numeros.h"
#include "util/Regional.h"
#include <QRegularExpression>
#include <cmath>
#include <limits>

int LeerEntero(const QString &texto)
{
    QString s = texto;
    s.remove(u' ');
    s.remove(u',');
    bool negativo = false;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negativo = s[i] == u'-';
        ++i;
    }
    int base = 10;
    if (s.mid(i, 1) == u"$") {
        base = 16;
        i += 1;
    } else if (s.mid(i, 2).compare(u"0x", Qt::CaseInsensitive) == 0) {
        base = 16;
        i += 2;
    } else if (s.mid(i, 1).compare(u"x", Qt::CaseInsensitive) == 0) {
        base = 16;
        i += 1;
    }
    const QString digitos = s.mid(i);
    if (digitos.isEmpty())
        return 0;
    for (const QChar c : digitos) {
        const bool ok = base == 10 ? c.isDigit() && c.unicode() < 128
                                   : std::isxdigit(static_cast<unsigned char>(c.toLatin1())) && c.unicode() < 128;
        if (!ok)
            return 0;
    }
    bool ok = false;
    const qlonglong magnitud = digitos.toLongLong(&ok, base);
    if (!ok)
        return 0;
    const qlonglong v = negativo ? -magnitud : magnitud;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(v);
}

double LeerReal(const QString &texto)
{
    static const QRegularExpression valido(
        QStringLiteral(R"(^[+-]?(\d+(\.\d*)?|\.\d+)([eE][+-]?\d+)?$)"));
    const Regional &reg = regional();
    QString s = texto;
    for (const QChar c : {u' ', u'(', u')', u'"'})
        s.remove(c);
    if (!reg.miles.isEmpty())
        s.remove(reg.miles);
    if (!reg.moneda.isEmpty())
        for (qsizetype p = s.indexOf(reg.moneda); p >= 0; p = s.indexOf(reg.moneda))
            s.remove(p, 1);
    if (!valido.match(s).hasMatch())
        return 0.0;
    // Checked with "." as the decimal point, so it is converted the same way.
    bool ok = false;
    const double v = s.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

namespace {
QString agrupar(const QString &entero, const QString &separador)
{
    QString r;
    const qsizetype n = entero.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            r += separador;
        r += entero[i];
    }
    return r;
}

/// Fixed-point text of |v| with the given decimals, integer digits at least minEnteros.
QString fijo(double v, int decimales, int minEnteros, bool miles, bool &negativo)
{
    const Regional &reg = regional();
    QString t = QString::number(std::fabs(v), 'f', decimales);
    static const QRegularExpression noCero(QStringLiteral("[1-9]"));
    static const QRegularExpression cerosIniciales(QStringLiteral("^0+"));
    negativo = v < 0 && t.contains(noCero);
    QString entero = t.section(u'.', 0, 0);
    const QString frac = decimales > 0 ? t.section(u'.', 1, 1) : QString();
    entero.remove(cerosIniciales);
    while (entero.size() < minEnteros)
        entero.prepend(u'0');
    if (miles)
        entero = agrupar(entero, reg.miles);
    return decimales > 0 ? entero + reg.decimal + frac : entero;
}
} // namespace

QString FormatoPatron(double v, const QString &patron)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    static const QRegularExpression digito(QStringLiteral("[#0,]"));
    const qsizetype inicio = patron.indexOf(digito);
    const QString literal = inicio < 0 ? patron : patron.left(inicio);
    const QString numero = inicio < 0 ? QString() : patron.mid(inicio);
    const QString parteEntera = numero.section(u'.', 0, 0);
    const QString parteDecimal = numero.contains(u'.') ? numero.section(u'.', 1) : QString();
    bool negativo = false;
    const QString cuerpo = fijo(v, int(parteDecimal.count(u'0')), int(parteEntera.count(u'0')),
                                parteEntera.contains(u','), negativo);
    return (negativo ? QStringLiteral("-") : QString()) + literal + cuerpo;
}

QString FormatoNumero(double v)
{
    if (!std::isfinite(v))
        return FormatoPatron(v, QString());
    // Rounded to 14 digits before choosing the form: 99999999999999.7 becomes 1E14,
    // not a fixed text with 15 digits.
    const double catorce = QString::number(v, 'g', 14).toDouble();
    if (std::fabs(catorce) >= 1e14) {
        // General form with 14 significant digits: 1.5E14
        QString g = QString::number(catorce, 'g', 14);
        const qsizetype e = g.indexOf(u'e');
        QString mantisa = g.left(e), exponente = g.mid(e + 1);
        const bool expNeg = exponente.startsWith(u'-');
        static const QRegularExpression cerosIniciales(QStringLiteral("^0+"));
        exponente.remove(u'+').remove(u'-').remove(cerosIniciales);
        mantisa.replace(u'.', regional().decimal);
        return mantisa + QStringLiteral("E") + (expNeg ? QStringLiteral("-") : QString()) + exponente;
    }
    return FormatoPatron(catorce, QStringLiteral("###,##0.00"));
}

double R6(double v)
{
    // "#####0.000000" writes NaN and the infinities as words, which LeerReal reads as 0.
    if (!std::isfinite(v))
        return 0.0;
    // The same rounding as "#####0.000000" read back, but always with "." so a
    // locale with a decimal comma cannot turn a price into 0.
    return QString::number(v, 'f', 6).toDouble();
}
