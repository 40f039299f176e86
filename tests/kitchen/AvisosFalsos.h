#pragma once
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

/// A private D-Bus session bus for one test: a dbus-daemon of its own, ended with the test.
class BusPrivado {
public:
    BusPrivado()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (m_daemon.waitForStarted(10000) && m_daemon.waitForReadyRead(10000))
            m_direccion = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~BusPrivado()
    {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000))
            m_daemon.kill();
    }
    /// The bus address, empty when no daemon could start.
    [[nodiscard]] QString direccion() const { return m_direccion; }
    /// A new connection to the bus under its own name.
    [[nodiscard]] QDBusConnection conectar(const QString &nombre) const
    {
        return QDBusConnection::connectToBus(m_direccion, nombre);
    }

private:
    QProcess m_daemon;
    QString m_direccion;
};

/// A stand-in for the desktop's notification service on a test bus: records every Notify
/// and CloseNotification, and can hold the answer to Notify until the test releases it.
class AvisosFalsos : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Aviso {
        QString aplicacion;
        uint reemplaza = 0;
        QString titulo;
        QString cuerpo;
        QVariantMap hints;
        int expira = 0;
    };
    QList<Aviso> avisos;
    QList<uint> cerrados;
    bool retener = false;            // hold the answers to Notify
    QList<QDBusMessage> retenidos;   // the held calls

    /// Registers the service on that connection.
    bool registrar(QDBusConnection bus)
    {
        m_bus = bus;
        return bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                  QDBusConnection::ExportAllSlots)
            && bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    /// Answers a held Notify with that identifier.
    void soltar(int i, uint id) { m_bus.send(retenidos.at(i).createReply(id)); }

public slots:
    uint Notify(const QString &app, uint reemplaza, const QString &icono, const QString &titulo, const QString &cuerpo,
                const QStringList &acciones, const QVariantMap &hints, int expira)
    {
        Q_UNUSED(icono);
        Q_UNUSED(acciones);
        avisos.append({app, reemplaza, titulo, cuerpo, hints, expira});
        if (retener) {
            setDelayedReply(true);
            retenidos << message();
            return 0;
        }
        return reemplaza != 0 ? reemplaza : ++m_ultimo;
    }
    void CloseNotification(uint id) { cerrados << id; }
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }

private:
    QDBusConnection m_bus{QString()};
    uint m_ultimo = 0;
};
