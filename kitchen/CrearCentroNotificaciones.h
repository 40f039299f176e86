#pragma once
#include "app/CentroNotificaciones.h"
#include <memory>

/// A new notification centre for this desktop: the session bus's notification service
/// when there is one, else the system tray (with a QApplication and a tray), else a centre
/// that grants permission and shows nothing. Each call makes a separate centre.
[[nodiscard]] std::shared_ptr<CentroNotificaciones> CrearCentroNotificaciones();
