#pragma once
#include <QByteArray>
#include <QColor>
#include <QString>

/// A picture for a catalogue tile: a square of `fondo` with a soft border and the
/// first letter of `texto` in white, as JPEG bytes. Needs a QGuiApplication (fonts).
[[nodiscard]] QByteArray GenerarFoto(const QString &texto, const QColor &fondo, int lado = 160);
