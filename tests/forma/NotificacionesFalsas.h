#pragma once
#include "app/CentroNotificaciones.h"
#include <QList>
#include <QTimer>

/// A notification centre for tests: answers the permission request a moment later
/// (as a platform does) with `conceder`, and records what was scheduled and cancelled.
class NotificacionesFalsas : public CentroNotificaciones {
    Q_OBJECT
public:
    bool conceder = true;
    int permisosPedidos = 0;
    QList<Notificacion> programadas;
    QStringList canceladas;

    void pedirPermiso() override
    {
        ++permisosPedidos;
        QTimer::singleShot(0, this, [this] { emit permiso(conceder); });
    }
    void programar(const Notificacion &n) override { programadas << n; }
    void cancelar(const QString &nombre) override { canceladas << nombre; }
};
