#pragma once
#include <QString>

/// "No hay conexión al URL", a carriage return and the error's text: what a failed
/// ready-dish poll or summary shows.
[[nodiscard]] QString MensajeSinConexion(const QString &error);
