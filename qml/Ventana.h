#pragma once
#include <QQmlApplicationEngine>
#include <QQuickWindow>

class TTabbedForm;

/// Loads the window's screens for a main window model into an engine and answers the
/// window (null when the screens failed to load).
QQuickWindow *CargarVentana(QQmlApplicationEngine &motor, TTabbedForm &forma);
