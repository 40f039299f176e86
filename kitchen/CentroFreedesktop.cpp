#include "kitchen/CentroFreedesktop.h"
#include "kitchen/TituloNotificacion.h"
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

const QString CentroFreedesktop::Servicio = QStringLiteral("org.freedesktop.Notifications");
const QString CentroFreedesktop::Ruta = QStringLiteral("/org/freedesktop/Notifications");
const QString CentroFreedesktop::Interfaz = QStringLiteral("org.freedesktop.Notifications");
const QString CentroFreedesktop::Aplicacion = QStringLiteral("Trazen Móvil");

CentroFreedesktop::CentroFreedesktop(const QDBusConnection &bus, QObject *parent)
    : CentroProgramado(parent), m_bus(bus)
{
}

CentroFreedesktop::~CentroFreedesktop() = default;

void CentroFreedesktop::mostrar(const Notificacion &n)
{
    Aviso &a = m_avisos[n.nombre];
    if (a.enCurso) {
        a.siguiente = n;
        a.cerrar = false;
        return;
    }
    enviar(n);
}

void CentroFreedesktop::enviar(const Notificacion &n)
{
    Aviso &a = m_avisos[n.nombre];
    a.enCurso = true;
    QDBusMessage m = QDBusMessage::createMethodCall(Servicio, Ruta, Interfaz, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(uchar(1))},
                            {QStringLiteral("category"), QStringLiteral("im.received")}};
    m << Aplicacion << a.id << QString() << TituloNotificacion(n) << n.cuerpo << QStringList() << hints
      << int(-1);
    auto *espera = new QDBusPendingCallWatcher(m_bus.asyncCall(m), this);
    const QString nombre = n.nombre;
    connect(espera, &QDBusPendingCallWatcher::finished, this, [this, nombre](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<uint> r = *w;
        Aviso &a = m_avisos[nombre];
        a.enCurso = false;
        if (!r.isError())
            a.id = r.value();
        if (a.cerrar) {
            if (a.id != 0)
                cerrarId(a.id);
            m_avisos.remove(nombre);
        } else if (a.siguiente) {
            const Notificacion n = *a.siguiente;
            a.siguiente.reset();
            enviar(n);
        }
    });
}

void CentroFreedesktop::retirar(const QString &nombre)
{
    auto it = m_avisos.find(nombre);
    if (it == m_avisos.end())
        return;
    if (it->enCurso) {
        // Closed as soon as the service says which one it is.
        it->cerrar = true;
        it->siguiente.reset();
        return;
    }
    if (it->id != 0)
        cerrarId(it->id);
    m_avisos.erase(it);
}

void CentroFreedesktop::cerrarId(uint id)
{
    QDBusMessage m = QDBusMessage::createMethodCall(Servicio, Ruta, Interfaz, QStringLiteral("CloseNotification"));
    m << id;
    m_bus.asyncCall(m);
}
