#include "FormaPrueba.h"
#include "app/Ajustes.h"
#include "shell/Navegacion.h"
#include "storage/ArchivoIni.h"
#include <QSemaphore>
#include <QtTest>

namespace {
/// The visible buttons of the header, as one text: "Back OK Comanda Refresh".
QString botones(const Controles &c)
{
    QStringList r;
    if (c.BackBtn.visible())
        r << QStringLiteral("Back");
    if (c.OKBtn.visible())
        r << QStringLiteral("OK");
    if (c.ComandaBtn.visible())
        r << QStringLiteral("Comanda");
    if (c.RefreshBtn.visible())
        r << QStringLiteral("Refresh");
    return r.join(u' ');
}

/// Which catalogue list shows.
QString listaVisible(const Controles &c)
{
    for (const TileList *l : {&c.ListaCat, &c.ListaSubCat, &c.ListaPro, &c.ListaMod})
        if (l->visible())
            return l->name();
    return {};
}

void llenar(TileList &l, int n)
{
    l.clear();
    for (int i = 0; i < n; ++i)
        l.add();
}
} // namespace

/// The header rule, the back button and the device back key, screen by screen.
class TstNavegacion : public QObject {
    Q_OBJECT
private slots:
    void validarPorPantalla_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("lineas");
        QTest::addColumn<int>("modoMesas");
        QTest::addColumn<QString>("visibles");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("inicio de sesion") << "TabItem1" << 2 << 0 << "OK" << "antes";
        QTest::newRow("conexion") << "TabURL" << 2 << 0 << "OK" << "antes";
        QTest::newRow("menu sin lineas") << "TabEmpresa" << 0 << 0 << "" << "antes";
        QTest::newRow("menu con lineas") << "TabEmpresa" << 1 << 0 << "Comanda" << "antes";
        QTest::newRow("catalogo") << "TabListaCat" << 1 << 0 << "Back Comanda" << "Comanda / Mesa 7";
        QTest::newRow("comanda") << "TabComanda" << 1 << 0 << "Back Comanda" << "Comanda / Mesa 7";
        QTest::newRow("mesas para elegir") << "TabMesas" << 0 << 1 << "Back Refresh" << "Nueva Comanda";
        QTest::newRow("mesas para ver") << "TabMesas" << 0 << 0 << "Back Refresh" << "Mesas";
        QTest::newRow("lista") << "TabLista" << 0 << 0 << "Back" << "antes";
        // These screens show back (and the ready dishes refresh) from their own tile: a refresh of
        // the header keeps it, or "Depurar" would leave the settings without a way back.
        QTest::newRow("ajustes") << "TabSettings" << 0 << 0 << "Back" << "antes";
        QTest::newRow("resumen") << "TabResumen" << 3 << 0 << "Back Comanda" << "antes";
        QTest::newRow("surtidos") << "TabSurtido" << 0 << 0 << "Back Refresh" << "antes";
    }
    void validarPorPantalla()
    {
        QFETCH(QString, tab);
        QFETCH(int, lineas);
        QFETCH(int, modoMesas);
        QFETCH(QString, visibles);
        QFETCH(QString, titulo);
        FormaPrueba p;
        auto &c = p.f.controles;
        p.f.estado.PedidoActual.Count = lineas;
        p.f.estado.PedidoActual.ReferenciaPago = QStringLiteral("Mesa 7");
        c.ListaMesa.setTag(modoMesas);
        c.ToolBarLabel.setText(QStringLiteral("antes"));
        p.f.setActiveTab(tab);
        p.f.Validar();
        QCOMPARE(botones(c), visibles);
        QCOMPARE(c.ToolBarLabel.text(), titulo);
    }

    void capturaYSegmentos()
    {
        FormaPrueba p;
        auto &c = p.f.controles;
        p.f.setActiveTab(QStringLiteral("TabListaCat"));
        c.ListaPro.setVisible(true);
        llenar(c.ListaCat, 2);
        llenar(c.ListaSubCat, 0);
        p.f.Validar();
        QVERIFY(c.Captura.visible());
        QVERIFY(c.Btn1.enabled() && !c.Btn2.enabled() && c.Btn3.enabled());
        c.ListaPro.setVisible(false);
        llenar(c.ListaSubCat, 1);
        p.f.Validar();
        QVERIFY(!c.Captura.visible());
        QVERIFY(c.Btn2.enabled());
        QCOMPARE(c.LabelGuardarLista.text(), QStringLiteral("Guardar productos consultados (19)"));
    }

    void atrasEnElCatalogo_data()
    {
        QTest::addColumn<QString>("visible");
        QTest::addColumn<int>("subcategorias");
        QTest::addColumn<QString>("despues");
        QTest::addColumn<QString>("tab");
        QTest::newRow("productos sin subcategorias") << "ListaPro" << 0 << "ListaCat" << "TabListaCat";
        QTest::newRow("productos con subcategorias") << "ListaPro" << 2 << "ListaSubCat" << "TabListaCat";
        QTest::newRow("subcategorias") << "ListaSubCat" << 2 << "ListaCat" << "TabListaCat";
        QTest::newRow("categorias") << "ListaCat" << 0 << "ListaCat" << "TabEmpresa";
    }
    void atrasEnElCatalogo()
    {
        QFETCH(QString, visible);
        QFETCH(int, subcategorias);
        QFETCH(QString, despues);
        QFETCH(QString, tab);
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        llenar(c.ListaCat, 3);
        llenar(c.ListaSubCat, subcategorias);
        llenar(c.ListaPro, 12);
        for (TileList *l : {&c.ListaCat, &c.ListaSubCat, &c.ListaPro, &c.ListaMod})
            l->setVisible(l->name() == visible);
        c.ListaPro.setPage(1);
        p.f.setActiveTab(QStringLiteral("TabListaCat"));
        c.Btn3.setChecked(true); // the segment pressed when the products were shown
        p.f.navegacion().BackBtn2Click();
        QCOMPARE(listaVisible(c), despues);
        QCOMPARE(p.f.activeTab(), tab);
        QCOMPARE(c.ListaPro.page(), 0); // every catalogue list back on its first page
        // The pressed segment follows the list back.
        if (tab == u"TabListaCat")
            QCOMPARE((QList<bool>{c.Btn1.checked(), c.Btn2.checked(), c.Btn3.checked()}),
                     (QList<bool>{despues == u"ListaCat", despues == u"ListaSubCat", false}));
    }

    // "Depurar" refreshes the header: back stays, the only way to apply and store the settings.
    void depurarDejaElRegreso()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        c.Tile.click(6);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabSettings"));
        c.Button2.click();
        p.mensajes();
        QVERIFY(c.BackBtn.visible());
        c.Fuente1.edit(QStringLiteral("15"));
        c.BackBtn.click();
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(p.f.estado.FuenteCuadros, 15);
    }

    // While a task runs the drawer's items do nothing: the task's last step would move the
    // screen under them. A close request then ends the program at once.
    void tareaEnCursoBloqueaElCajon()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QSemaphore llegada, salida;
        p.servicio->respuestas.ListaMesas = [&](int) {
            llegada.release();
            salida.tryAcquire(1, 15000);
            return std::optional<TListaInfo1>(TListaInfo1{});
        };
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        c.Tile.click(2); // "Mesas"
        QVERIFY(QTest::qWaitFor([&] { return llegada.tryAcquire(); }, 15000));
        c.CerrarSessionBtn.click();
        c.ConfigurarBtn.click();
        c.MainMenuBtn.click();
        QVERIFY(p.f.estado.IsLogged);
        QVERIFY(p.f.FormCloseQuery()); // asked to close while the task runs: it closes
        QVERIFY(p.f.estado.Salida);
        salida.release();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabMesas"));
    }

    // A main-menu tile that cannot be drawn says so, with the error's text.
    void dibujoFallidoDelMenuSeDice()
    {
        FormaPrueba p;
        auto &t = p.f.controles.Tile;
        t.setCustomizer([](const TileList &, int, AspectoTile &) { throw std::runtime_error("sin fuente"); });
        (void)t.look(1);
        QTRY_COMPARE(p.f.dialogos.texto(), QStringLiteral("Error Tile1 sin fuente"));
        QCOMPARE(p.f.dialogos.tipo(), QStringLiteral("simple"));
    }

    void atrasDesdeLaComanda_data()
    {
        QTest::addColumn<int>("categorias");
        QTest::addColumn<int>("subcategorias");
        QTest::addColumn<int>("productos");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("lista");
        QTest::newRow("productos") << 3 << 2 << 5 << "TabListaCat" << "ListaPro";
        QTest::newRow("subcategorias") << 3 << 2 << 0 << "TabListaCat" << "ListaSubCat";
        QTest::newRow("categorias") << 3 << 0 << 0 << "TabListaCat" << "ListaCat";
        QTest::newRow("nada se queda") << 0 << 0 << 0 << "TabComanda" << "";
    }
    void atrasDesdeLaComanda()
    {
        QFETCH(int, categorias);
        QFETCH(int, subcategorias);
        QFETCH(int, productos);
        QFETCH(QString, tab);
        QFETCH(QString, lista);
        FormaPrueba p;
        auto &c = p.f.controles;
        llenar(c.ListaCat, categorias);
        llenar(c.ListaSubCat, subcategorias);
        llenar(c.ListaPro, productos);
        p.f.setActiveTab(QStringLiteral("TabComanda"));
        p.f.navegacion().BackBtn2Click();
        QCOMPARE(p.f.activeTab(), tab);
        QCOMPARE(listaVisible(c), lista);
    }

    void atrasDesdeAjustesLosGuarda()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        c.Fuente2.setText(QStringLiteral("11"));
        c.SwitchM.setChecked(false);
        p.f.setActiveTab(QStringLiteral("TabSettings"));
        p.f.navegacion().BackBtn2Click();
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        const QString ini = p.f.estado.ArchivoConfig;
        QCOMPARE(LeerConfig(ini, QStringLiteral("AppMovil"), QStringLiteral("ImgMesa"), {}), QStringLiteral("0"));
        QCOMPARE(c.ListaMesa.rows(), 9);
    }

    void otrasPantallasVuelvenAlMenu()
    {
        for (const char *tab : {"TabMesas", "TabLista", "TabResumen", "TabSurtido", "TabEmpresa"}) {
            FormaPrueba p;
            p.f.setActiveTab(QString::fromLatin1(tab));
            p.f.navegacion().BackBtn2Click();
            QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
            QCOMPARE(p.f.controles.ToolBarLabel.text(), QStringLiteral("Menú Principal"));
        }
    }

    void teclaAtras_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<bool>("teclado");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("tragada");
        QTest::addColumn<QString>("despues");
        QTest::newRow("inicio de sesion") << "TabItem1" << false << int(Qt::Key_Back) << true << "TabItem1";
        QTest::newRow("mesas") << "TabMesas" << false << int(Qt::Key_Back) << true << "TabEmpresa";
        QTest::newRow("escape en escritorio") << "TabLista" << false << int(Qt::Key_Escape) << true << "TabEmpresa";
        QTest::newRow("con teclado solo cierra el teclado") << "TabMesas" << true << int(Qt::Key_Back) << false
                                                            << "TabMesas";
        QTest::newRow("otra tecla") << "TabMesas" << false << int(Qt::Key_A) << false << "TabMesas";
        QTest::newRow("sin boton atras") << "TabEmpresa" << false << int(Qt::Key_Back) << true << "TabEmpresa";
    }
    void teclaAtras()
    {
        QFETCH(QString, tab);
        QFETCH(bool, teclado);
        QFETCH(int, tecla);
        QFETCH(bool, tragada);
        QFETCH(QString, despues);
        FormaPrueba p;
        p.f.setActiveTab(tab);
        p.f.Validar();
        p.teclado = teclado;
        QCOMPARE(p.f.navegacion().FormKeyUp(tecla), tragada);
        QCOMPARE(p.f.activeTab(), despues);
    }

    void cerrarSesionDesactivaElCajon()
    {
        FormaPrueba p;
        auto &c = p.f.controles;
        QVERIFY(!c.MainMenuBtn.enabled() && !c.CerrarSessionBtn.enabled() && c.ConfigurarBtn.enabled());
        QVERIFY(p.iniciarSesion());
        QVERIFY(c.MainMenuBtn.enabled() && c.CerrarSessionBtn.enabled());
        c.MultiView1.setVisible(true); // the waiter opened the drawer
        c.CerrarSessionBtn.click();
        QVERIFY(!c.MultiView1.visible());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabItem1"));
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("POS"));
        QVERIFY(!p.f.estado.IsLogged);
        QVERIFY(!c.MainMenuBtn.enabled() && !c.CerrarSessionBtn.enabled());
        QVERIFY(c.ConfigurarBtn.enabled());
        c.MainMenuBtn.click(); // disabled: nothing happens
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabItem1"));
        c.ConfigurarBtn.click();
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabURL"));
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Configurar"));
    }

    void menuConVersionAntigua_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("tile");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<bool>("mensaje");
        QTest::newRow("surtidos 10076") << 10076 << 4 << "TabEmpresa" << true;
        QTest::newRow("resumen 10076") << 10076 << 5 << "TabEmpresa" << true;
        QTest::newRow("configuracion 10076") << 10076 << 6 << "TabEmpresa" << true;
        QTest::newRow("surtidos 10077") << 10077 << 4 << "TabSurtido" << false;
        QTest::newRow("configuracion 10077") << 10077 << 6 << "TabSettings" << false;
        QTest::newRow("empresa no hace nada") << 10077 << 0 << "TabEmpresa" << false;
    }
    void menuConVersionAntigua()
    {
        QFETCH(int, version);
        QFETCH(int, tile);
        QFETCH(QString, tab);
        QFETCH(bool, mensaje);
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        p.f.estado.VersionServicio = version;
        p.f.controles.Tile.click(tile);
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), tab);
        QCOMPARE(p.f.dialogos.historial().contains(QStringLiteral("Requiere el WS 1.0.77")), mensaje);
        if (tab == u"TabSurtido")
            QVERIFY(p.f.controles.BackBtn.visible() && p.f.controles.RefreshBtn.visible());
    }

    void menuPrincipal()
    {
        FormaPrueba p;
        const TileList &t = p.f.controles.Tile;
        QCOMPARE(t.count(), 7);
        const QStringList captions{"Nombre de la Empresa", "Nueva Comanda", "Mesas", "Lista de Comandas",
                                   "Surtidos", "Resumen", "Configuracion"};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(t.tile(i).caption, captions[i]);
            QCOMPARE(t.tile(i).tag, i);
        }
        QVERIFY(!t.tile(0).selectable);
        QCOMPARE(t.tile(0).colSpan, 2);
        QCOMPARE(t.columns(), 2);
        QCOMPARE(t.rows(), 4);
        QCOMPARE(t.background(), QStringLiteral("store:fondo2"));
        QVERIFY(!t.headerVisible() && !t.footerVisible());
    }
};

QTEST_MAIN(TstNavegacion)
#include "tst_navegacion.moc"
