#include "AvisosFalsos.h"
#include "kitchen/CentroFreedesktop.h"
#include "kitchen/CrearCentroNotificaciones.h"
#include <QSignalSpy>
#include <QtTest>

using namespace std::chrono_literals;

namespace {
/// A scheduling centre that records what it is told to show and withdraw.
class CentroGrabador : public CentroProgramado {
public:
    QList<Notificacion> mostradas;
    QStringList retiradas;

protected:
    void mostrar(const Notificacion &n) override { mostradas << n; }
    void retirar(const QString &nombre) override { retiradas << nombre; }
};

Notificacion Aviso(int numero, const QDateTime &fecha = QDateTime::currentDateTime(), int repetirSeg = 60)
{
    Notificacion n;
    n.numero = numero;
    n.nombre = QStringLiteral("POS");
    n.cuerpo = QStringLiteral("Hay Platillos listos para servir");
    n.fecha = fecha;
    n.repetirSeg = repetirSeg;
    return n;
}
} // namespace

/// The desktop's notification centres: the schedule (at once, then every interval, until
/// cancelled), the calls on the freedesktop notification service, and the factory's choice.
class TstCentrosNotificaciones : public QObject {
    Q_OBJECT
    std::unique_ptr<BusPrivado> m_bus;

private slots:
    void initTestCase()
    {
        // The factory looks at the session bus: make it this test's own.
        m_bus = std::make_unique<BusPrivado>();
        if (m_bus->direccion().isEmpty())
            QSKIP("no dbus-daemon to start a private session bus");
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->direccion().toUtf8());
    }

    void permisoConcedidoDespues()
    {
        CentroGrabador centro;
        QSignalSpy permiso(&centro, &CentroNotificaciones::permiso);
        centro.pedirPermiso();
        QCOMPARE(permiso.count(), 0); // the answer comes later, as on a phone
        QTRY_COMPARE(permiso.count(), 1);
        QCOMPARE(permiso.first().first().toBool(), true);
    }

    void alMomentoYCadaIntervalo()
    {
        CentroGrabador centro;
        centro.setRepeticion(20ms); // the minute, shortened
        centro.programar(Aviso(3));
        QTRY_VERIFY(centro.mostradas.size() >= 3);
        for (const Notificacion &n : centro.mostradas)
            QCOMPARE(n.numero, 3);
        centro.cancelar(QStringLiteral("POS"));
        QCOMPARE(centro.retiradas, QStringList{"POS"});
        QVERIFY(!centro.programada(QStringLiteral("POS")));
    }

    void sinAcortarRepiteCadaMinuto()
    {
        CentroGrabador centro;
        centro.programar(Aviso(3));
        QTRY_COMPARE(centro.mostradas.size(), 1);
        QVERIFY(centro.programada(QStringLiteral("POS")));
        // Shown once at once; the next showing waits the notification's own minute.
        QCOMPARE(centro.espera(QStringLiteral("POS")), 60000);
    }

    void fechaFuturaEspera()
    {
        CentroGrabador centro;
        centro.programar(Aviso(2, QDateTime::currentDateTime().addSecs(3600)));
        QCoreApplication::processEvents();
        QVERIFY(centro.mostradas.isEmpty());
        QVERIFY(centro.espera(QStringLiteral("POS")) > 3500 * 1000);
        centro.cancelar(QStringLiteral("POS"));
        QCOMPARE(centro.espera(QStringLiteral("POS")), -1);
    }

    void reprogramarReemplaza()
    {
        CentroGrabador centro;
        centro.programar(Aviso(3));
        centro.programar(Aviso(5)); // before the first could show
        QTRY_COMPARE(centro.mostradas.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(centro.mostradas.size(), 1);
        QCOMPARE(centro.mostradas.first().numero, 5);
    }

    void cancelarOtroNombreNoToca()
    {
        CentroGrabador centro;
        centro.setRepeticion(20ms);
        centro.programar(Aviso(3));
        centro.cancelar(QStringLiteral("OTRO"));
        QTRY_VERIFY(centro.mostradas.size() >= 2);
        QVERIFY(centro.programada(QStringLiteral("POS")));
    }

    void notifyYCloseNotificationEnElBus()
    {
        AvisosFalsos servicio;
        QVERIFY(servicio.registrar(m_bus->conectar(QStringLiteral("servicio-1"))));
        CentroFreedesktop centro(m_bus->conectar(QStringLiteral("cliente-1")));
        centro.setRepeticion(30ms);
        centro.programar(Aviso(3));
        QTRY_VERIFY(servicio.avisos.size() >= 3);
        const auto &primero = servicio.avisos.first();
        QCOMPARE(primero.aplicacion, QStringLiteral("Trazen Móvil"));
        QCOMPARE(primero.reemplaza, 0u);
        QCOMPARE(primero.titulo, QStringLiteral("POS (3)"));
        QCOMPARE(primero.cuerpo, QStringLiteral("Hay Platillos listos para servir"));
        // Each repetition replaces the one notification instead of stacking a new one.
        for (int i = 1; i < servicio.avisos.size(); ++i)
            QCOMPARE(servicio.avisos[i].reemplaza, 1u);
        QCOMPARE(centro.identificador(QStringLiteral("POS")), 1u);

        centro.programar(Aviso(4));
        QTRY_VERIFY(servicio.avisos.last().titulo == u"POS (4)");
        QCOMPARE(servicio.avisos.last().reemplaza, 1u);

        centro.cancelar(QStringLiteral("POS"));
        QTRY_COMPARE(servicio.cerrados, QList<uint>{1});
        QCOMPARE(centro.identificador(QStringLiteral("POS")), 0u);
        m_bus->conectar(QStringLiteral("servicio-1")).unregisterService(QStringLiteral("org.freedesktop.Notifications"));
    }

    void cancelarMientrasNotifyEsperaRespuesta()
    {
        AvisosFalsos servicio;
        servicio.retener = true;
        QVERIFY(servicio.registrar(m_bus->conectar(QStringLiteral("servicio-2"))));
        CentroFreedesktop centro(m_bus->conectar(QStringLiteral("cliente-2")));
        centro.programar(Aviso(3));
        QTRY_COMPARE(servicio.retenidos.size(), 1);
        centro.cancelar(QStringLiteral("POS"));
        QVERIFY(servicio.cerrados.isEmpty()); // the id is not known yet
        servicio.soltar(0, 41);
        QTRY_COMPARE(servicio.cerrados, QList<uint>{41});
        QCOMPARE(servicio.avisos.size(), 1);
        m_bus->conectar(QStringLiteral("servicio-2")).unregisterService(QStringLiteral("org.freedesktop.Notifications"));
    }

    void laFabricaEligeElServicioDelBus()
    {
        {
            // No notification service on the bus, no tray offscreen: a centre that shows
            // nothing but still lets the polls run.
            auto centro = CrearCentroNotificaciones();
            QVERIFY(centro);
            QVERIFY(!dynamic_cast<CentroFreedesktop *>(centro.get()));
            QSignalSpy permiso(centro.get(), &CentroNotificaciones::permiso);
            centro->pedirPermiso();
            QTRY_COMPARE(permiso.count(), 1);
            QVERIFY(permiso.first().first().toBool());
            centro->programar(Aviso(1));
            centro->cancelar(QStringLiteral("POS"));
        }
        AvisosFalsos servicio;
        QVERIFY(servicio.registrar(m_bus->conectar(QStringLiteral("servicio-3"))));
        auto centro = CrearCentroNotificaciones();
        auto *escritorio = dynamic_cast<CentroFreedesktop *>(centro.get());
        QVERIFY(escritorio);
        QVERIFY(CrearCentroNotificaciones() != centro); // one centre per call
        centro->programar(Aviso(2));
        QTRY_COMPARE(servicio.avisos.size(), 1);
        QCOMPARE(servicio.avisos.first().titulo, QStringLiteral("POS (2)"));
    }
};

QTEST_MAIN(TstCentrosNotificaciones)
#include "tst_centros_notificaciones.moc"
