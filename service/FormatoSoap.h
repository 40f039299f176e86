#pragma once
// Text forms of the scalar values on the wire, both ways. Writing never fails;
// reading returns std::nullopt for a text that is not a value of that type.
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>

/// "2.5", "3", "-0.125", "1E20", "NaN", "INF", "-INF": at most 15 significant digits,
/// "." whatever the locale, no trailing zeros.
[[nodiscard]] QString TextoDouble(double v);

/// A day count (days since 30 December 1899, the fraction being the time of day) as
/// the local wall-clock time it names, or as that of `zona`.
[[nodiscard]] QDateTime FechaHoraDeDias(double dias);
[[nodiscard]] QDateTime FechaHoraDeDias(double dias, const QTimeZone &zona);
/// The day count of a date-time's own wall-clock reading.
[[nodiscard]] double DiasDeFechaHora(const QDateTime &fechaHora);

/// "2022-04-15T13:05:09.042-06:00": the wall-clock time with milliseconds and the
/// offset in force, "Z" when the offset is zero. An offset with seconds is rounded up
/// to a whole minute, and the wall-clock time is that of the same instant at it.
[[nodiscard]] QString TextoFechaHora(const QDateTime &fechaHora);
/// A day count written as a local date-time, or as one of `zona`.
[[nodiscard]] QString TextoFechaHora(double dias);
[[nodiscard]] QString TextoFechaHora(double dias, const QTimeZone &zona);

// Reading: surrounding blanks are ignored; an empty text is the initial value.
[[nodiscard]] std::optional<int> LeerEnteroSoap(QStringView texto);
[[nodiscard]] std::optional<double> LeerDoubleSoap(QStringView texto);
/// "true"/"1" and "false"/"0", whatever the case.
[[nodiscard]] std::optional<bool> LeerBooleanoSoap(QStringView texto);
/// An XML Schema date-time (date alone allowed); its offset is honoured, the result
/// is in local time. Without an offset the text is taken as local time.
[[nodiscard]] std::optional<QDateTime> LeerFechaHoraSoap(QStringView texto);
