#include "kitchen/CrearCentroNotificaciones.h"
#include "kitchen/CentroBandeja.h"
#include "kitchen/CentroFreedesktop.h"
#include <QDBusConnectionInterface>
#include <QtWidgets/QApplication>
#include <QtWidgets/QSystemTrayIcon>

namespace {
/// Where nothing can show a notification: polls still run, nothing is raised.
class CentroMudo : public CentroNotificaciones {
public:
    void pedirPermiso() override
    {
        QMetaObject::invokeMethod(this, [this] { emit permiso(true); }, Qt::QueuedConnection);
    }
    void programar(const Notificacion &) override {}
    void cancelar(const QString &) override {}
};

bool HayServicioDeAvisos(const QDBusConnection &bus)
{
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QString servicio = CentroFreedesktop::Servicio;
    if (bus.interface()->isServiceRegistered(servicio).value())
        return true;
    // A service the bus starts on first use counts too.
    return bus.interface()->activatableServiceNames().value().contains(servicio);
}
} // namespace

std::shared_ptr<CentroNotificaciones> CrearCentroNotificaciones()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (HayServicioDeAvisos(bus))
        return std::make_shared<CentroFreedesktop>(bus);
    if (qobject_cast<QApplication *>(QCoreApplication::instance()) && QSystemTrayIcon::isSystemTrayAvailable())
        return std::make_shared<CentroBandeja>();
    return std::make_shared<CentroMudo>();
}
