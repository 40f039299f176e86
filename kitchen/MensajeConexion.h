#pragma once
#include <QString>
#include <exception>

/// The text of a failed service call: the service's own message, or what the error says.
[[nodiscard]] QString TextoError(const std::exception &err);

/// "No hay conexión al URL", a carriage return and the error's text: what a failed
/// ready-dish poll or summary shows.
[[nodiscard]] QString MensajeSinConexion(const std::exception &err);
