#pragma once
#include "kitchen/CentroProgramado.h"
#include <QDBusConnection>
#include <QHash>
#include <optional>

/// Notifications through the desktop's notification service (org.freedesktop.Notifications
/// on the session bus): one notification per name, replaced in place (`replaces_id`) each
/// time it shows again, closed with CloseNotification when cancelled. Calls never block
/// the screen: each answer is awaited asynchronously.
class CentroFreedesktop : public CentroProgramado {
public:
    static const QString Servicio;   // "org.freedesktop.Notifications"
    static const QString Ruta;       // "/org/freedesktop/Notifications"
    static const QString Interfaz;   // "org.freedesktop.Notifications"
    static const QString Aplicacion; // the application name shown with each notification

    explicit CentroFreedesktop(const QDBusConnection &bus, QObject *parent = nullptr);
    ~CentroFreedesktop() override;

    /// The service's identifier of the notification of that name (0 when none shows).
    [[nodiscard]] uint identificador(const QString &nombre) const { return m_avisos.value(nombre).id; }

protected:
    void mostrar(const Notificacion &n) override;
    void retirar(const QString &nombre) override;

private:
    /// One name's notification on the service. While a Notify call awaits its answer the
    /// identifier is not known yet: what comes meanwhile waits for it.
    struct Aviso {
        uint id = 0;
        bool enCurso = false;
        std::optional<Notificacion> siguiente;
        bool cerrar = false;
    };
    void enviar(const Notificacion &n);
    void cerrarId(uint id);

    QDBusConnection m_bus;
    QHash<QString, Aviso> m_avisos;
};
