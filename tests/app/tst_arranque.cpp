#include "FormaPrueba.h"
#include "shell/Navegacion.h"
#include "tables/Mesas.h"
#include <QtTest>

/// Start-up: the settings file decides the mode and fills the controls; the window's own
/// handlers (module rights, closing, resizing).
class TstArranque : public QObject {
    Q_OBJECT
private slots:
    void primerArranqueSinArchivo()
    {
        FormaPrueba p;
        auto &c = p.f.controles;
        auto &e = p.f.estado;
        QVERIFY(e.ModoDemo);
        QCOMPARE(c.iUser.text(), QStringLiteral("Admin"));
        QCOMPARE(c.iPass.text(), QStringLiteral("579"));
        QVERIFY(c.SwitchM.checked() && c.SwitchC.checked() && c.SwitchP.checked() && c.SwitchUser.checked());
        QCOMPARE((QStringList{c.Fuente1.text(), c.Fuente2.text(), c.Columnas.text(), c.ColumnasCat.text(),
                              c.ColumnasPro.text()}),
                 (QStringList{"12", "11", "3", "3", "3"}));
        QCOMPARE(e.VersionServicio, 20100);
        QCOMPARE(e.FuenteCuadros, 12); // kept until the display settings are first applied
        QCOMPARE(e.FuenteListados, 13);
        QVERIFY(e.MesasCargadas && e.CategoriasCargadas);
        QCOMPARE(e.ListaMesasActual.Count, 4);
        QCOMPARE(e.ListaComandasActual.Count, 4);
        QCOMPARE(e.ListaCategorias.Count, 4);
        QCOMPARE(e.NumProductosGuardados(), 19);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabItem1"));
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("POS"));
        QCOMPARE(c.LabelVer.text(), QStringLiteral("Build 2.0.182"));
        QCOMPARE(c.URLWSDL.text(), QStringLiteral("http://127.0.0.0:3269/WSTrazen.dll/wsdl/Itrazen"));
        QVERIFY(!c.Btn2.visible());
        QVERIFY(!c.MenuBtn.visible());
        QVERIFY(!c.MultiView1.visible());
        QVERIFY(!e.IsLogged && !e.Salida);
        QCOMPARE(e.ArchivoConfig, p.carpeta() + QStringLiteral("/NVTrazen.ini"));
        QCOMPARE(p.servicio->conectarMs, 500000);
        QCOMPARE(p.servicio->recibirMs, 500000);
        QVERIFY(!QFileInfo::exists(e.ArchivoConfig)); // start-up only reads
    }

    void modoSegunLaDireccion_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<bool>("demo");
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("clave");
        const QString par = QStringLiteral("User=ana\nPass=secreta\n");
        QTest::newRow("marcador") << "[AppMovil]\nWSDL=http://127.0.0.0:3269/WSTrazen.dll/wsdl/Itrazen\n" + par
                                  << true << "ana" << "secreta";
        QTest::newRow("marcador con mayuscula es servidor")
            << "[AppMovil]\nWSDL=http://127.0.0.0:3269/WSTrazen.dll/wsdl/ITRAZEN\n" + par << false << "ana"
            << "secreta";
        QTest::newRow("direccion vacia es demo") << "[AppMovil]\nWSDL=\n" << true << "Admin" << "579";
        QTest::newRow("servidor recuerda el par") << FormaPrueba::iniServidor(par) << false << "ana" << "secreta";
        QTest::newRow("servidor sin recordar") << FormaPrueba::iniServidor("UserPass=0\n" + par) << false << ""
                                               << "";
        QTest::newRow("servidor sin par guardado") << FormaPrueba::iniServidor() << false << "" << "";
        QTest::newRow("demo carga el par aunque no se recuerde")
            << "[AppMovil]\nUserPass=0\n" + par << true << "ana" << "secreta";
    }
    void modoSegunLaDireccion()
    {
        QFETCH(QString, ini);
        QFETCH(bool, demo);
        QFETCH(QString, usuario);
        QFETCH(QString, clave);
        FormaPrueba p(ini);
        QCOMPARE(p.f.estado.ModoDemo, demo);
        QCOMPARE(p.f.controles.iUser.text(), usuario);
        QCOMPARE(p.f.controles.iPass.text(), clave);
        QCOMPARE(p.f.estado.VersionServicio, demo ? 20100 : 0);
        QCOMPARE(p.f.estado.ListaMesasActual.Count, demo ? 4 : 0);
        QCOMPARE(p.f.controles.Btn2.visible(), !demo);
    }

    void ajustesGuardadosLlenanLosControles()
    {
        FormaPrueba p(QStringLiteral("[AppMovil]\nImgMesa=0\nImgCategoria=2\nImgProducto=yes\nFuente1=16\n"
                                     "Fuente2=abc\nColumnas=5\nColumnasCat=9\nColumnasPro=1\n"));
        auto &c = p.f.controles;
        QVERIFY(!c.SwitchM.checked());
        QVERIFY(!c.SwitchC.checked());
        QVERIFY(c.SwitchP.checked()); // not an integer: the default
        QCOMPARE(c.Fuente1.text(), QStringLiteral("16"));
        QCOMPARE(c.Fuente2.value(), 8.0); // the spin box keeps what it can show
        QCOMPARE(c.Columnas.text(), QStringLiteral("5"));
        QCOMPARE(c.ColumnasCat.value(), 5.0);
        QCOMPARE(c.ColumnasPro.text(), QStringLiteral("1"));
    }

    void accesoAModulo_data()
    {
        QTest::addColumn<QString>("modulos");
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("acceso");
        QTest::newRow("TTF tercero") << "TTF" << 3 << false;
        QTest::newRow("TT tercero") << "TT" << 3 << false;
        QTest::newRow("TTF segundo") << "TTF" << 2 << true;
        QTest::newRow("vacio") << "" << 1 << false;
        QTest::newRow("cero") << "TTTTTTTTTT" << 0 << false;
        QTest::newRow("minuscula") << "t" << 1 << false;
        for (int x = 1; x <= 11; ++x)
            QTest::addRow("diez T, %d", x) << "TTTTTTTTTT" << x << (x <= 10);
    }
    void accesoAModulo()
    {
        QFETCH(QString, modulos);
        QFETCH(int, x);
        QFETCH(bool, acceso);
        FormaPrueba p;
        p.f.estado.Modulos = modulos;
        QCOMPARE(p.f.AccesoAModulo(x), acceso);
    }

    void anchoDeLosBotonesSegmentados_data()
    {
        QTest::addColumn<int>("ventana");
        QTest::addColumn<int>("boton");
        QTest::newRow("452") << 452 << 145;
        QTest::newRow("453") << 453 << 146;
        QTest::newRow("454") << 454 << 146;
        QTest::newRow("455") << 455 << 146;
    }
    void anchoDeLosBotonesSegmentados()
    {
        QFETCH(int, ventana);
        QFETCH(int, boton);
        FormaPrueba p;
        p.f.FormResize(ventana);
        for (Control *b : {&p.f.controles.Btn1, &p.f.controles.Btn2, &p.f.controles.Btn3})
            QCOMPARE(b->width(), boton);
    }

    void cerrarLaVentana()
    {
        FormaPrueba p;
        // On the sign-in screen a close request does nothing.
        QVERIFY(!p.f.FormCloseQuery());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabItem1"));
        // Where the back button shows, it steps back once.
        QVERIFY(p.iniciarSesion());
        p.f.mesas().CargarMesas(true);
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabMesas"));
        QVERIFY(!p.f.FormCloseQuery());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        // On the main menu there is no back button: nothing happens.
        QVERIFY(!p.f.FormCloseQuery());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        // Only "Salir" lets it close.
        QSignalSpy salir(&p.f, &TTabbedForm::salir);
        p.f.controles.CerrarAppBtn.click();
        QCOMPARE(salir.count(), 1);
        QVERIFY(p.f.estado.Salida);
        QVERIFY(p.f.FormCloseQuery());
    }

    void reiniciarVaciaTodo()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        auto &e = p.f.estado;
        e.MesasCargadas = e.CategoriasCargadas = true;
        e.UltimoFiltro = QStringLiteral("@x");
        e.ListaMesasActual.Count = 3;
        e.PedidoActual.Count = 2;
        e.PedidoActual.ReferenciaPago = QStringLiteral("Mesa 9");
        e.ProductosGuardados.agregar({});
        p.f.controles.ListaCat.add();
        p.f.ReIniciar();
        QVERIFY(!e.MesasCargadas && !e.CategoriasCargadas);
        QVERIFY(e.UltimoFiltro.isEmpty());
        QCOMPARE(e.ListaMesasActual.Count, 0);
        QCOMPARE(e.PedidoActual.Count, 0);
        QVERIFY(e.PedidoActual.ReferenciaPago.isEmpty());
        QVERIFY(e.PedidoActual.Cliente.has_value());
        QCOMPARE(e.PedidoActual.Cliente->NuCliente, 0);
        QCOMPARE(e.NumProductosGuardados(), 0);
        QCOMPARE(p.f.controles.ListaCat.count(), 0);
    }
};

QTEST_MAIN(TstArranque)
#include "tst_arranque.moc"
