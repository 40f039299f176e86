#pragma once
#include "app/CentroNotificaciones.h"
#include <QTimer>
#include <chrono>
#include <map>
#include <memory>

/// A notification centre that keeps the schedule itself: a notification is shown at its
/// date and again every repeat interval until it is cancelled by name; scheduling a name
/// again replaces the earlier one. Subclasses only show and withdraw. A desktop has no
/// permission to ask for: the request is granted, answered a moment later.
class CentroProgramado : public CentroNotificaciones {
public:
    using CentroNotificaciones::CentroNotificaciones;
    ~CentroProgramado() override;

    void pedirPermiso() override;
    void programar(const Notificacion &n) override;
    void cancelar(const QString &nombre) override;

    /// Replaces every repeat interval, so that tests need not wait a minute; zero or less
    /// goes back to the interval each notification asks for.
    void setRepeticion(std::chrono::milliseconds intervalo) { m_repeticion = intervalo; }
    /// A notification of that name is scheduled (and will show again).
    [[nodiscard]] bool programada(const QString &nombre) const;
    /// The wait, in milliseconds, before its next showing (from the last one, or from the
    /// scheduling); -1 when it will not show again.
    [[nodiscard]] int espera(const QString &nombre) const;

protected:
    /// Shows the notification, replacing the one of the same name if it is showing.
    virtual void mostrar(const Notificacion &n) = 0;
    /// Takes the notification of that name away, if it is showing.
    virtual void retirar(const QString &nombre) = 0;

private:
    struct Programada {
        Notificacion n;
        QTimer timer;
    };
    void disparar(const QString &nombre);

    std::map<QString, std::unique_ptr<Programada>> m_programadas;
    std::chrono::milliseconds m_repeticion{0};
};
