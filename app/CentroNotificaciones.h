#pragma once
#include <QDateTime>
#include <QObject>

/// One local notification to schedule.
struct Notificacion {
    int numero = 0;
    QString nombre;      // notifications are replaced and cancelled by name
    QString cuerpo;
    QDateTime fecha;     // first firing
    int repetirSeg = 0;  // repeat interval in seconds, 0 none
};

/// A local notification centre of the platform: permission asked with an answer that
/// arrives later, scheduling, cancelling by name.
class CentroNotificaciones : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    /// Asks for permission; the answer comes through `permiso`.
    virtual void pedirPermiso() = 0;
    virtual void programar(const Notificacion &n) = 0;
    virtual void cancelar(const QString &nombre) = 0;

signals:
    void permiso(bool concedido);
};
