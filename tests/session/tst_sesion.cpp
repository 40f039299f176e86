#include "FormaPrueba.h"
#include "shell/Navegacion.h"
#include "session/Sesion.h"
#include "service/ErrorServicio.h"
#include "storage/ArchivoIni.h"
#include <QSemaphore>
#include <QtTest>

namespace {
QString leer(const FormaPrueba &p, const QString &clave)
{
    return LeerConfig(p.f.estado.ArchivoConfig, QStringLiteral("AppMovil"), clave, QStringLiteral("<falta>"));
}
} // namespace

/// Sign-in against a fake server and in demo mode: each stage's refusals and errors,
/// and what a successful sign-in leaves behind.
class TstSesion : public QObject {
    Q_OBJECT
private slots:
    void versiones_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("0") << 0 << "La versión del WebService (0) no es compatible";
        QTest::newRow("1") << 1 << "La versión del WebService (1) no es compatible";
        QTest::newRow("2") << 2 << "WebService incompatible - Server: 2  App: 10182";
        QTest::newRow("10077") << 10077 << "WebService incompatible - Server: 10077  App: 10182";
        QTest::newRow("negativa") << -3 << "WebService incompatible - Server: -3  App: 10182";
        QTest::newRow("10078") << 10078 << "";
    }
    void versiones()
    {
        QFETCH(int, version);
        QFETCH(QString, mensaje);
        FormaPrueba p(FormaPrueba::iniServidor());
        p.servicio->respuestas.VersionWSPos = [version] { return version; };
        p.f.navegacion().OKBtnClick();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.estado.VersionServicio, version);
        QCOMPARE(p.f.estado.IsLogged, mensaje.isEmpty());
        if (mensaje.isEmpty()) {
            QCOMPARE(p.f.controles.LabelVer.text(), QStringLiteral("Build 2.0.182 - Server 10078"));
            QCOMPARE(p.f.dialogos.pendientes(), 0);
        } else {
            QCOMPARE(p.f.dialogos.historial(), QStringList{mensaje});
            QCOMPARE(p.f.activeTab(), QStringLiteral("TabItem1"));
            QCOMPARE(p.servicio->llamadas().size(), 1); // nothing after the version
        }
    }

    void errorAlPedirLaVersion()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        p.f.estado.VersionServicio = 555;
        p.servicio->respuestas.VersionWSPos = []() -> int { throw ErrorServicio(QStringLiteral("Connection refused")); };
        p.f.navegacion().OKBtnClick();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.dialogos.historial(), QStringList{"El DNS no es correcto o esta fuera de linea "});
        QCOMPARE(p.f.estado.VersionServicio, 555);
        QVERIFY(!p.f.estado.IsLogged);
    }

    void credencialesRechazadas()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        p.f.controles.iUser.setText(QStringLiteral("ana"));
        p.f.controles.iPass.setText(QStringLiteral("mala"));
        p.servicio->respuestas.AccesoUserXModuloXAlmacen = [](auto &, auto &, auto &, int &, int &, QString &msg,
                                                              QString &, QString &) {
            msg = QStringLiteral("Contraseña incorrecta");
            return false;
        };
        p.f.navegacion().OKBtnClick();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.dialogos.historial(), QStringList{"Contraseña incorrecta"});
        QCOMPARE(p.f.controles.iUser.text(), QStringLiteral("ana"));
        QCOMPARE(p.f.controles.iPass.text(), QStringLiteral("mala"));
        QVERIFY(!p.f.estado.IsLogged);
        QCOMPARE(p.f.controles.LabelVer.text(), QStringLiteral("Build 2.0.182 - Server 10182"));
        // What was sent: the typed credentials, "POS", and an empty message.
        const auto acceso = p.servicio->llamadas(QStringLiteral("AccesoUserXModuloXAlmacen"));
        QCOMPARE(acceso.size(), 1);
        QCOMPARE(acceso[0].argumentos.mid(0, 3), (QStringList{"User=ana", "Pass=mala", "Field=POS"}));
        QVERIFY(acceso[0].argumentos.contains(QStringLiteral("Msg=")));
    }

    void rechazoSinTextoTambienSeDice()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        p.servicio->respuestas.AccesoUserXModuloXAlmacen = [](auto &, auto &, auto &, int &, int &, QString &,
                                                              QString &, QString &) { return false; };
        p.f.navegacion().OKBtnClick();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.dialogos.historial(), QStringList{"Acceso denegado"});
    }

    void errorEnLasEtapasSiguientes_data()
    {
        QTest::addColumn<QString>("etapa");
        QTest::newRow("acceso") << "AccesoUserXModuloXAlmacen";
        QTest::newRow("empresa") << "DatosEmpresa2";
        QTest::newRow("impresoras") << "DatosEmpresa3";
    }
    void errorEnLasEtapasSiguientes()
    {
        QFETCH(QString, etapa);
        FormaPrueba p(FormaPrueba::iniServidor());
        auto &r = p.servicio->respuestas;
        const auto falla = [] { throw ErrorServicio(QStringLiteral("Access violation")); };
        if (etapa == u"AccesoUserXModuloXAlmacen")
            r.AccesoUserXModuloXAlmacen = [falla](auto &, auto &, auto &, int &, int &, QString &, QString &,
                                                   QString &) -> bool {
                falla();
                return true;
            };
        else if (etapa == u"DatosEmpresa2")
            r.DatosEmpresa2 = [falla](auto &...) { falla(); };
        else
            r.DatosEmpresa3 = [falla](auto &...) { falla(); };
        r.UltimoError = [] { return QStringLiteral("Tabla bloqueada"); };
        p.f.navegacion().OKBtnClick();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.dialogos.historial(), QStringList{"Ultimo Error: Tabla bloqueada"});
        QVERIFY(!p.f.estado.IsLogged);
        // The later stages were skipped.
        QCOMPARE(p.servicio->llamadas().last().operacion, QStringLiteral("UltimoError"));
        QCOMPARE(p.servicio->llamadas(etapa).size(), 1);
    }

    void siElUltimoErrorTambienFalla()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        p.servicio->respuestas.DatosEmpresa2 = [](auto &...) { throw ErrorServicio(QStringLiteral("Sin base")); };
        p.servicio->respuestas.UltimoError = []() -> QString { throw ErrorServicio(QStringLiteral("caido")); };
        p.f.navegacion().OKBtnClick();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.dialogos.historial(), QStringList{"Ultimo Error: Sin base"});
    }

    void inicioExitoso_data()
    {
        QTest::addColumn<QString>("almacen");
        QTest::addColumn<bool>("iva");
        QTest::addColumn<QString>("segundaLinea");
        QTest::addColumn<QString>("comercial");
        QTest::newRow("sin almacen") << "" << true << "EPR010101AAA" << "La Prueba";
        QTest::newRow("con almacen") << "SUCURSAL CENTRO" << false << "Sucursal centro"
                                     << "La Prueba/SUCURSAL CENTRO";
    }
    void inicioExitoso()
    {
        QFETCH(QString, almacen);
        QFETCH(bool, iva);
        QFETCH(QString, segundaLinea);
        QFETCH(QString, comercial);
        FormaPrueba p(FormaPrueba::iniServidor());
        auto &c = p.f.controles;
        auto &r = p.servicio->respuestas;
        r.AccesoUserXModuloXAlmacen = [almacen](auto &, auto &, auto &, int &nu, int &alm, QString &,
                                                QString &mod, QString &a) {
            nu = 7;
            alm = almacen.isEmpty() ? 0 : 2;
            mod = QStringLiteral("TTTTTFTTTT");
            a = almacen;
            return true;
        };
        const auto previo = r.DatosEmpresa2;
        r.DatosEmpresa2 = [previo, iva](QString &n, QString &c2, QString &rfc, QString &d, QString &t, QString &co,
                                        bool &i, int &ieps, double &tcv, double &tcc) {
            previo(n, c2, rfc, d, t, co, i, ieps, tcv, tcc);
            i = iva;
            ieps = 2;
        };
        c.Impresora.setItemIndex(3);
        c.iUser.setText(QStringLiteral("mesero"));
        c.iPass.setText(QStringLiteral("1234"));
        QVERIFY(p.iniciarSesion());

        auto &e = p.f.estado;
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Menú Principal"));
        QCOMPARE(c.Tile.tile(0).caption, QStringLiteral("Empresa de Prueba SA de CV\r") + segundaLinea);
        QCOMPARE(c.LabelNombre.text(), QStringLiteral("Empresa de Prueba SA de CV"));
        QCOMPARE(c.LabelComercial.text(), comercial);
        QCOMPARE(c.LabelRFC.text(), QStringLiteral("RFC: EPR010101AAA"));
        QCOMPARE(c.LabelIVA.text(), iva ? QStringLiteral("El IVA esta incluido en los Precios")
                                        : QStringLiteral("El IVA NO esta incluido en los Precios"));
        QCOMPARE(c.LabelTCC.text(), QStringLiteral("TC Compra:  $ 18.90"));
        QCOMPARE(c.LabelTCV.text(), QStringLiteral("TC Venta:     $ 18.99"));
        QCOMPARE(e.NuUser, 7);
        QCOMPARE(e.Modulos, QStringLiteral("TTTTTFTTTT"));
        QCOMPARE(e.IVAIncluido, iva);
        QCOMPARE(e.OP_IEPS_SOBRE_IVA, 2);
        QCOMPARE(e.Printer2, QStringLiteral("Cocina"));
        QCOMPARE(c.Impresora.items(),
                 (QStringList{"Todas", "Caja", "Cocina", "Barra", "Postres", "Terraza"}));
        QCOMPARE(c.Impresora.itemIndex(), 3); // the choice survives the new names
        QVERIFY(!c.DNS.enabled());
        QVERIFY(c.URLWSDL.enabled());
        QVERIFY(!e.ModoDemo);
        QCOMPARE(e.VersionServicio, 10182);
        QVERIFY(c.MainMenuBtn.enabled());
        QCOMPARE(leer(p, QStringLiteral("User")), QStringLiteral("mesero"));
        QCOMPARE(leer(p, QStringLiteral("Pass")), QStringLiteral("1234"));
        QCOMPARE(leer(p, QStringLiteral("Fuente1")), QStringLiteral("12")); // the display settings were applied
        QCOMPARE(p.servicio->wsdl, QStringLiteral("http://servidor.prueba:3269/WSTrazen.dll/wsdl/Itrazen"));
        QCOMPARE(p.servicio->servicio, QStringLiteral("Itrazenservice"));
        QCOMPARE(p.servicio->puerto, QStringLiteral("ItrazenPort"));
        const QStringList orden{"VersionWSPos", "AccesoUserXModuloXAlmacen", "DatosEmpresa2", "DatosEmpresa3"};
        QStringList llamadas;
        for (const auto &l : p.servicio->llamadas())
            llamadas << l.operacion;
        QCOMPARE(llamadas, orden);
    }

    void sinRecordarNoEscribeElPar()
    {
        FormaPrueba p(FormaPrueba::iniServidor(QStringLiteral("User=viejo\nPass=guardado\n")));
        p.f.controles.SwitchUser.toggle(false); // turned off without pressing OK
        p.f.controles.iUser.setText(QStringLiteral("nuevo"));
        QVERIFY(p.iniciarSesion());
        QCOMPARE(leer(p, QStringLiteral("User")), QStringLiteral("viejo"));
        QCOMPARE(leer(p, QStringLiteral("Pass")), QStringLiteral("guardado"));
        QCOMPARE(leer(p, QStringLiteral("UserPass")), QStringLiteral("<falta>"));
    }

    void unInicioALaVez()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QSemaphore soltar;
        p.servicio->respuestas.VersionWSPos = [&] {
            soltar.acquire();
            return 10182;
        };
        p.f.navegacion().OKBtnClick();
        QTRY_VERIFY(p.f.ActivityDialog1.shown());
        QCOMPARE(p.f.ActivityDialog1.message(), QStringLiteral("Conectando"));
        QCOMPARE(p.f.controles.LabelWait.text(), QStringLiteral("Conectandose, espere"));
        p.f.sesion().LoginBtnClick(); // dropped while the first runs
        soltar.release();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.servicio->llamadas(QStringLiteral("VersionWSPos")).size(), 1);
        QVERIFY(p.f.estado.IsLogged);
        QVERIFY(!p.f.controles.WaitLayout.visible());
    }

    void inicioConServidorVaciaElEstado()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        p.f.estado.ListaMesasActual.Count = 5;
        p.f.estado.Almacen = QStringLiteral("viejo");
        p.servicio->respuestas.VersionWSPos = [] { return 1; };
        p.f.navegacion().OKBtnClick();
        QVERIFY(p.esperarTarea());
        // A failed sign-in still leaves the state reset.
        QCOMPARE(p.f.estado.ListaMesasActual.Count, 0);
        QVERIFY(p.f.estado.Almacen.isEmpty());
    }

    void inicioDemo()
    {
        FormaPrueba p;
        auto &c = p.f.controles;
        auto &e = p.f.estado;
        p.f.controles.iUser.setText(QStringLiteral("visita"));
        QVERIFY(p.iniciarSesion());
        QVERIFY(p.servicio->llamadas().isEmpty());
        QCOMPARE(e.Modulos, QStringLiteral("TTTTTTTTTT"));
        QVERIFY(c.Tile.tile(0).caption.endsWith(QStringLiteral("\rMexico")));
        QCOMPARE(c.LabelRFC.text(), QStringLiteral("RFC: Mexico"));
        QCOMPARE(c.LabelIVA.text(), QStringLiteral("El IVA esta incluido en los Precios"));
        QVERIFY(!e.IVAIncluido); // only the label says so
        QCOMPARE(c.LabelTCC.text(), QStringLiteral("TC Compra:  $ 18.90"));
        QCOMPARE(c.LabelTCV.text(), QStringLiteral("TC Venta:     $ 18.99"));
        QCOMPARE((QStringList{e.Printer1, e.Printer2, e.Printer3, e.Printer4, e.Printer5}),
                 (QStringList{"Caja", "Cocina", "Barra 1", "Kiosco", "Entrada"}));
        QCOMPARE(c.Impresora.items().at(1), QStringLiteral("Impresora 1")); // not refilled in demo
        QVERIFY(c.DNS.enabled());
        QCOMPARE(e.VersionServicio, 20100);
        QCOMPARE(leer(p, QStringLiteral("User")), QStringLiteral("visita"));
        QCOMPARE(leer(p, QStringLiteral("Fuente1")), QStringLiteral("<falta>")); // no settings applied
        // The demo restaurant is there to browse.
        QCOMPARE(e.ListaMesasActual.Count, 4);
        QCOMPARE(e.ListaComandasActual.Count, 4);
        QCOMPARE(e.NumProductosGuardados(), 19);
    }

    // Started in demo mode, then signed in to a server: the screens follow the server's data.
    void demoYLuegoServidorMuestraSubcategorias()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        QVERIFY(!p.f.controles.Btn2.visible());
        // The drawer's "Configurar parámetros", a server's name, OK, and the sign-in again.
        p.f.ConfigurarBtnClick();
        p.f.controles.DNS.edit(QStringLiteral("servidor.prueba"));
        p.f.navegacion().OKBtnClick();
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabItem1"));
        QVERIFY(p.iniciarSesion());
        QVERIFY(!p.f.estado.ModoDemo);
        QVERIFY(p.f.controles.Btn2.visible());
    }

    // An empty address starts in demo mode and signs in to the demo, as the placeholder does.
    void direccionVaciaEsLaDemostracion_data()
    {
        QTest::addColumn<QString>("direccion");
        QTest::newRow("stored empty") << "";
        QTest::newRow("blanks") << "   ";
    }
    void direccionVaciaEsLaDemostracion()
    {
        QFETCH(QString, direccion);
        FormaPrueba p(FormaPrueba::iniCon(direccion));
        QVERIFY(p.f.estado.ModoDemo);
        QVERIFY(p.iniciarSesion());
        QVERIFY(p.mensajes().isEmpty());
        QVERIFY(p.f.estado.ModoDemo);
        QCOMPARE(p.f.estado.ListaMesasActual.Count, 4);
        QVERIFY(p.servicio->llamadas().isEmpty());
    }

    void marcadorTrasArrancarConServidor()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(!p.f.estado.ModoDemo);
        p.f.controles.URLWSDL.edit(QStringLiteral("http://127.0.0.0:3269/WSTrazen.dll/wsdl/Itrazen"));
        QVERIFY(p.iniciarSesion());
        // It becomes the demo restaurant, with its data.
        QVERIFY(p.f.estado.ModoDemo);
        QCOMPARE(p.f.estado.VersionServicio, 20100);
        QCOMPARE(p.f.estado.ListaMesasActual.Count, 4);
        QCOMPARE(p.f.estado.NumProductosGuardados(), 19);
        QVERIFY(!p.f.controles.Btn2.visible());
        QVERIFY(p.servicio->llamadas().isEmpty());
    }
};

QTEST_MAIN(TstSesion)
#include "tst_sesion.moc"
