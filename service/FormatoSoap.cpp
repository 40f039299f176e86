#include "service/FormatoSoap.h"
#include <QRegularExpression>
#include <cmath>

namespace {
constexpr qint64 MsPorDia = 86'400'000;
constexpr double DiasMaximos = 2'958'465; // 31 December 9999

QDate Origen() { return QDate(1899, 12, 30); }

/// Whole days and milliseconds of the day of a day count; the fraction is the time
/// of day also for negative counts (-1.25 is 29 December 1899, 06:00).
std::pair<qint64, qint64> Partir(double dias)
{
    if (!std::isfinite(dias))
        dias = 0;
    dias = std::clamp(dias, -DiasMaximos, DiasMaximos);
    qint64 d = qint64(std::trunc(dias));
    qint64 ms = std::llround(std::fabs(dias - double(d)) * double(MsPorDia));
    if (ms >= MsPorDia) {
        ms = 0;
        d += dias < 0 ? -1 : 1;
    }
    return {d, ms};
}

bool Igual(QStringView a, QLatin1StringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
} // namespace

QString TextoDouble(double v)
{
    if (std::isnan(v))
        return QStringLiteral("NaN");
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (v == 0)
        return QStringLiteral("0"); // also for -0
    QString s = QString::number(v, 'g', 15);
    const qsizetype e = s.indexOf(u'e');
    if (e < 0)
        return s;
    // "1e+20" -> "1E20", "1.5e-07" -> "1.5E-7"
    return s.left(e) + u'E' + QString::number(s.mid(e + 1).toInt());
}

QDateTime FechaHoraDeDias(double dias)
{
    const auto [d, ms] = Partir(dias);
    return QDateTime(Origen().addDays(d), QTime::fromMSecsSinceStartOfDay(int(ms)), Qt::LocalTime);
}

QDateTime FechaHoraDeDias(double dias, const QTimeZone &zona)
{
    const auto [d, ms] = Partir(dias);
    return QDateTime(Origen().addDays(d), QTime::fromMSecsSinceStartOfDay(int(ms)), zona);
}

double DiasDeFechaHora(const QDateTime &fechaHora)
{
    const double d = double(Origen().daysTo(fechaHora.date()));
    const double t = double(fechaHora.time().msecsSinceStartOfDay()) / double(MsPorDia);
    return d >= 0 ? d + t : d - t;
}

QString TextoFechaHora(const QDateTime &fechaHora)
{
    int offset = fechaHora.offsetFromUtc();
    QDateTime instante = fechaHora;
    if (offset % 60 != 0) {
        // A local mean time (Mexico City until 1922: -06:36:36) has no whole-minute form.
        // Cutting the seconds would name another instant; write the same instant at the
        // whole minute just ahead, so the reading moves forward by less than a minute and
        // a midnight keeps its date.
        offset = (offset / 60 + (offset > 0 ? 1 : 0)) * 60;
        instante = fechaHora.toOffsetFromUtc(offset);
    }
    QString s = instante.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz"));
    if (offset == 0)
        return s + u'Z';
    const int minutos = std::abs(offset) / 60;
    return s + (offset < 0 ? u'-' : u'+') + QStringLiteral("%1:%2")
                                                 .arg(minutos / 60, 2, 10, QLatin1Char('0'))
                                                 .arg(minutos % 60, 2, 10, QLatin1Char('0'));
}

QString TextoFechaHora(double dias) { return TextoFechaHora(FechaHoraDeDias(dias)); }

QString TextoFechaHora(double dias, const QTimeZone &zona) { return TextoFechaHora(FechaHoraDeDias(dias, zona)); }

std::optional<int> LeerEnteroSoap(QStringView texto)
{
    texto = texto.trimmed();
    if (texto.isEmpty())
        return 0;
    bool ok = false;
    const int v = texto.toInt(&ok, 10);
    return ok ? std::optional<int>(v) : std::nullopt;
}

std::optional<double> LeerDoubleSoap(QStringView texto)
{
    texto = texto.trimmed();
    if (texto.isEmpty())
        return 0.0;
    if (Igual(texto, QLatin1StringView("NaN")))
        return std::nan("");
    if (Igual(texto, QLatin1StringView("INF")) || Igual(texto, QLatin1StringView("+INF")))
        return HUGE_VAL;
    if (Igual(texto, QLatin1StringView("-INF")))
        return -HUGE_VAL;
    bool ok = false;
    const double v = texto.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

std::optional<bool> LeerBooleanoSoap(QStringView texto)
{
    texto = texto.trimmed();
    if (texto.isEmpty())
        return false;
    if (texto == u"1" || Igual(texto, QLatin1StringView("true")))
        return true;
    if (texto == u"0" || Igual(texto, QLatin1StringView("false")))
        return false;
    return std::nullopt;
}

std::optional<QDateTime> LeerFechaHoraSoap(QStringView texto)
{
    static const QRegularExpression forma(QStringLiteral(
        R"(^(-?\d{4,})-(\d\d)-(\d\d)(?:T(\d\d):(\d\d):(\d\d)(?:\.(\d+))?)?(Z|[+-]\d\d:\d\d)?$)"));
    const QRegularExpressionMatch m = forma.match(texto.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const auto num = [&](int i) { return m.capturedView(i).toInt(); };
    QDate fecha(num(1), num(2), num(3));
    int ms = 0;
    if (m.hasCaptured(4)) {
        const int h = num(4), mi = num(5), s = num(6);
        const int milis = m.hasCaptured(7) ? m.captured(7).left(3).leftJustified(3, u'0').toInt() : 0;
        if (h == 24 && mi == 0 && s == 0 && milis == 0) { // the end of the day
            fecha = fecha.addDays(1);
        } else {
            const QTime t(h, mi, s, milis);
            if (!t.isValid())
                return std::nullopt;
            ms = t.msecsSinceStartOfDay();
        }
    }
    if (!fecha.isValid())
        return std::nullopt;
    const QTime hora = QTime::fromMSecsSinceStartOfDay(ms);
    const QStringView zona = m.capturedView(8);
    if (zona.isEmpty())
        return QDateTime(fecha, hora, Qt::LocalTime);
    int offset = 0;
    if (zona != u"Z") {
        offset = (zona.mid(1, 2).toInt() * 60 + zona.mid(4, 2).toInt()) * 60;
        if (zona.front() == u'-')
            offset = -offset;
    }
    return QDateTime(fecha, hora, Qt::OffsetFromUTC, offset).toLocalTime();
}
