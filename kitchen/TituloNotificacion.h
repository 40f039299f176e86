#pragma once
#include "app/CentroNotificaciones.h"

/// The title a desktop shows above a notification's body: its name and number, "POS (3)".
/// A phone puts the number on the application's badge; a desktop has only the text.
[[nodiscard]] QString TituloNotificacion(const Notificacion &n);
