#pragma once
#include "kitchen/CentroProgramado.h"
#include <memory>

class QSystemTrayIcon;

/// Notifications through the system tray, for desktops without a notification service:
/// an icon carrying the number appears with a balloon message each time the notification
/// shows, and goes away when it is cancelled. Needs a QApplication.
class CentroBandeja : public CentroProgramado {
public:
    explicit CentroBandeja(QObject *parent = nullptr);
    ~CentroBandeja() override;

protected:
    void mostrar(const Notificacion &n) override;
    void retirar(const QString &nombre) override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icono;
    QString m_nombre; // the notification the icon stands for
};
