#include "FormaPrueba.h"
#include "Pantalla.h"
#include "SimProceso.h"
#include "app/ClienteSoap.h"
#include "shell/Navegacion.h"
#include "storage/ArchivoIni.h"
#include <QtTest>

namespace {
/// A form signed against the running sim, with the sample waiter's credentials.
struct FormaConSim {
    explicit FormaConSim(SimProceso &sim, const QString &usuario = QStringLiteral("mesero"),
                         const QString &clave = QStringLiteral("1234"))
        : p(FormaPrueba::iniCon(sim.wsdl()), std::make_shared<ClienteSoap>())
    {
        p.f.controles.iUser.setText(usuario);
        p.f.controles.iPass.setText(clave);
    }
    FormaPrueba p;
};
} // namespace

/// Sign-in against wstrazen-sim over loopback, through the real SOAP client.
class TstSesionSim : public QObject {
    Q_OBJECT
private slots:
    void versionesDelServidor_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("1") << 1 << "La versión del WebService (1) no es compatible";
        QTest::newRow("10077") << 10077 << "WebService incompatible - Server: 10077  App: 10182";
        QTest::newRow("negativa") << -7 << "WebService incompatible - Server: -7  App: 10182";
        QTest::newRow("10078") << 10078 << "";
    }
    void versionesDelServidor()
    {
        QFETCH(int, version);
        QFETCH(QString, mensaje);
        SimProceso sim({QStringLiteral("--version"), QString::number(version)});
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        FormaConSim s(sim);
        QCOMPARE(s.p.iniciarSesion(), mensaje.isEmpty());
        if (mensaje.isEmpty()) {
            QCOMPARE(s.p.f.controles.LabelVer.text(), QStringLiteral("Build 2.0.182 - Server 10078"));
            QCOMPARE(s.p.f.dialogos.pendientes(), 0);
        } else {
            QCOMPARE(s.p.f.dialogos.historial(), QStringList{mensaje});
        }
        QCOMPARE(s.p.f.estado.VersionServicio, version);
    }

    void contrasenaEquivocada()
    {
        SimProceso sim;
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        FormaConSim s(sim, QStringLiteral("mesero"), QStringLiteral("9999"));
        Pantalla v(s.p.f);
        QVERIFY(!s.p.iniciarSesion());
        QCOMPARE(s.p.f.dialogos.historial(), QStringList{"Usuario o contraseña incorrectos"});
        QCOMPARE(s.p.f.controles.iUser.text(), QStringLiteral("mesero"));
        QCOMPARE(s.p.f.controles.iPass.text(), QStringLiteral("9999"));
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabItem1"));
        QVERIFY(v.seVe(QStringLiteral("Dialogo_texto")));
        QVERIFY(!v.capturar(QStringLiteral("inicio_rechazado.png")).isEmpty());
    }

    void sinAccesoAlPuntoDeVenta()
    {
        SimProceso sim;
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        FormaConSim s(sim, QStringLiteral("contador"), QStringLiteral("cuentas"));
        QVERIFY(!s.p.iniciarSesion());
        QCOMPARE(s.p.f.dialogos.pendientes(), 1);
        QVERIFY(!s.p.f.dialogos.texto().isEmpty());
    }

    void errorEnLaEmpresaMuestraElUltimoError()
    {
        SimProceso sim;
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        QVERIFY(sim.ajustar({{"fault_en", "DatosEmpresa2"},
                             {"fault_texto", "Tabla EMPRESA bloqueada"},
                             {"ultimo_error", "Tabla EMPRESA bloqueada"}}));
        FormaConSim s(sim);
        QVERIFY(!s.p.iniciarSesion());
        QCOMPARE(s.p.f.dialogos.historial(), QStringList{"Ultimo Error: Tabla EMPRESA bloqueada"});
        // What the access stage received is kept.
        QCOMPARE(s.p.f.estado.NuUser, 3);
        QCOMPARE(s.p.f.estado.Almacen, QStringLiteral("Sucursal Centro"));
    }

    void servidorApagado()
    {
        SimProceso sim;
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        QVERIFY(sim.detener());
        FormaConSim s(sim);
        QVERIFY(!s.p.iniciarSesion());
        QCOMPARE(s.p.f.dialogos.historial(), QStringList{"El DNS no es correcto o esta fuera de linea "});
    }

    void empresaConYSinAlmacen_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("segundaLinea");
        QTest::newRow("con almacen") << "mesero" << "1234" << "Sucursal centro";
        QTest::newRow("sin almacen: el RFC") << "practicante" << "2468" << "";
    }
    void empresaConYSinAlmacen()
    {
        QFETCH(QString, usuario);
        QFETCH(QString, clave);
        QFETCH(QString, segundaLinea);
        SimProceso sim;
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        FormaConSim s(sim, usuario, clave);
        QVERIFY(s.p.iniciarSesion());
        const auto &c = s.p.f.controles;
        const QString rfc = c.LabelRFC.text().mid(5); // after "RFC: "
        QVERIFY(!rfc.isEmpty());
        const QString esperada = segundaLinea.isEmpty() ? rfc : segundaLinea;
        QCOMPARE(c.Tile.tile(0).caption.section(u'\r', 1), esperada);
        QCOMPARE(c.LabelComercial.text().contains(u'/'), !segundaLinea.isEmpty());
    }

    void credencialesSoloConElInterruptor_data()
    {
        QTest::addColumn<bool>("recordar");
        QTest::newRow("encendido") << true;
        QTest::newRow("apagado") << false;
    }
    void credencialesSoloConElInterruptor()
    {
        QFETCH(bool, recordar);
        SimProceso sim;
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        FormaConSim s(sim);
        s.p.f.controles.SwitchUser.toggle(recordar);
        QVERIFY(s.p.iniciarSesion());
        const QString ini = s.p.f.estado.ArchivoConfig;
        const QString usuario = LeerConfig(ini, QStringLiteral("AppMovil"), QStringLiteral("User"), QStringLiteral("-"));
        const QString clave = LeerConfig(ini, QStringLiteral("AppMovil"), QStringLiteral("Pass"), QStringLiteral("-"));
        QCOMPARE(usuario, recordar ? QStringLiteral("mesero") : QStringLiteral("-"));
        QCOMPARE(clave, recordar ? QStringLiteral("1234") : QStringLiteral("-"));
    }

    void inicioCompleto()
    {
        SimProceso sim;
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        FormaConSim s(sim);
        Pantalla v(s.p.f);
        QVERIFY(!v.capturar(QStringLiteral("inicio_servidor.png")).isEmpty());
        QVERIFY(v.tocar(QStringLiteral("SignInRectBTN")));
        QVERIFY(s.p.esperarTarea());
        auto &c = s.p.f.controles;
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QVERIFY(s.p.f.estado.IsLogged);
        QVERIFY(c.Tile.tile(0).caption.endsWith(QStringLiteral("\rSucursal centro")));
        QCOMPARE(c.LabelIVA.text(), QStringLiteral("El IVA esta incluido en los Precios"));
        QCOMPARE(c.LabelTCC.text(), QStringLiteral("TC Compra:  $ 18.90"));
        QCOMPARE(c.LabelTCV.text(), QStringLiteral("TC Venta:     $ 18.99"));
        QCOMPARE(c.Impresora.items().size(), 6);
        QVERIFY(!c.DNS.enabled());
        QVERIFY(v.seVe(QStringLiteral("Tile_tile_0")));
        QVERIFY(!v.capturar(QStringLiteral("menu_servidor.png")).isEmpty());
        // The four stages, each with its action.
        QStringList operaciones;
        for (const QJsonValue &l : sim.llamadas())
            operaciones << l[QStringLiteral("operacion")].toString();
        QCOMPARE(operaciones, (QStringList{"VersionWSPos", "AccesoUserXModuloXAlmacen", "DatosEmpresa2",
                                           "DatosEmpresa3"}));
    }
};

QTEST_MAIN(TstSesionSim)
#include "tst_sesion_sim.moc"
