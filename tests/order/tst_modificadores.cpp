#include "catalogue/MenuPrueba.h"
#include "shell/Navegacion.h"
#include "order/Modificadores.h"
#include "order/Pendientes.h"
#include <QtTest>

/// The modifier screen: opening it for a product, marking modifiers, the free text and "TERMINAR".
class TstModificadores : public QObject {
    Q_OBJECT

    /// Signed in, the product list on screen, and the add button tapped on the first product.
    static std::unique_ptr<FormaPrueba> abrir(const TListaProducto &lista)
    {
        auto p = std::make_unique<FormaPrueba>(FormaPrueba::iniServidor());
        if (!menu::mostrarProductos(*p, lista))
            return nullptr;
        p->f.controles.ListaPro.click(0);
        p->f.controles.AddPed.click();
        return p;
    }

    static TListaProducto tacos(const QStringList &mods)
    {
        TProducto t = menu::producto("7501", "Tacos", 58, mods);
        t.Modelo = QStringLiteral("al pastor");
        return menu::productos({t, menu::producto("7502", "Agua", 20)});
    }

    static QString caption(FormaPrueba &p, int i) { return p.f.controles.ListaMod.tile(i).caption; }
    static int marca(FormaPrueba &p, int i) { return p.f.controles.ListaMod.tile(i).tag; }

private slots:
    void tilesFijos()
    {
        FormaPrueba p;
        const TileList &l = p.f.controles.ListaMod;
        QCOMPARE(l.count(), 13);
        QVERIFY(!l.tile(0).selectable);
        QCOMPARE(l.tile(0).colSpan, 3);
        QCOMPARE(l.tile(0).rowSpan, 2);
        QCOMPARE(l.tile(1).caption, QStringLiteral("Esp1"));
        QCOMPARE(l.tile(10).caption, QStringLiteral("Esp10"));
        QCOMPARE(l.tile(11).caption, QStringLiteral("OTRO"));
        QCOMPARE(l.tile(12).caption, QStringLiteral("TERMINAR"));
    }

    void abrePantallaConLosModificadoresDelProducto()
    {
        auto p = abrir(tacos({"sin cebolla", "con todo", "", " extra queso", "", "", "", "", "", "sin sal",
                              "nunca se ofrece"}));
        QVERIFY(p);
        auto &c = p->f.controles;
        QVERIFY(c.ListaMod.visible());
        QVERIFY(!c.ListaPro.visible() && !c.ListaCat.visible() && !c.ListaSubCat.visible());
        QCOMPARE(p->f.activeTab(), QStringLiteral("TabListaCat"));
        QCOMPARE(p->f.estado.PedidoActual.Count, 0);
        QCOMPARE(caption(*p, 0), QStringLiteral("Seleccione Modificador para\rTacos al pastor"));
        // Captions untrimmed; an empty modifier leaves its tile blank and not selectable.
        QCOMPARE(caption(*p, 4), QStringLiteral(" extra queso"));
        QCOMPARE(caption(*p, 3), QString());
        QVERIFY(!c.ListaMod.tile(3).selectable);
        QVERIFY(c.ListaMod.tile(4).selectable);
        QCOMPARE(caption(*p, 10), QStringLiteral("sin sal"));
        QCOMPARE(caption(*p, 11), QStringLiteral("OTRO"));
    }

    void marcarHastaCincoYTerminar()
    {
        auto p = abrir(tacos({"a", "b", "c", "d", "e", "f"}));
        QVERIFY(p);
        auto &c = p->f.controles;
        auto &e = p->f.estado;
        for (int i = 1; i <= 6; ++i)
            c.ListaMod.click(i);
        // The sixth is ignored and stays unmarked.
        QCOMPARE(e.EspPendiente, (EspPendientes{"a", "b", "c", "d", "e", ""}));
        QCOMPARE(marca(*p, 5), 1);
        QCOMPARE(marca(*p, 6), 0);
        QCOMPARE(caption(*p, 0), QStringLiteral("Tacos al pastor\r > a\r > b\r > c\r > d\r > e"));
        AspectoTile a = c.ListaMod.look(5);
        QCOMPARE(a.relleno, QColor(0xFF, 0xFF, 0x00));
        QCOMPARE(c.ListaMod.look(6).relleno, QColor(Qt::white));

        // Unmarking frees the slot; the next one marked goes there.
        c.ListaMod.click(2);
        c.ListaMod.click(6);
        QCOMPARE(e.EspPendiente, (EspPendientes{"a", "f", "c", "d", "e", ""}));
        QCOMPARE(marca(*p, 2), 0);

        c.ListaMod.click(Modificadores::TileTerminar);
        QVERIFY(c.ListaPro.visible());
        QVERIFY(!c.ListaMod.visible());
        QCOMPARE(e.PedidoActual.Count, 1);
        const TDetalle &d = *e.PedidoActual.ArrayDetalle[0];
        QCOMPARE((QStringList{d.Esp1, d.Esp2, d.Esp3, d.Esp4, d.Esp5, d.Esp6}),
                 (QStringList{"a", "f", "c", "d", "e", ""}));
        QCOMPARE(e.EspPendiente, (EspPendientes{}));
    }

    // While the modifiers show, nothing outside them leaves them: a search, the quantity's
    // add button or a segment of the bar would drop the dish being composed.
    void nadaFueraDeLosModificadoresLosDeja()
    {
        auto p = abrir(tacos({"sin cebolla", "picante"}));
        QVERIFY(p);
        auto &c = p->f.controles;
        auto &e = p->f.estado;
        c.ListaMod.click(1);
        QVERIFY(!c.Captura.visible()); // the search box, the quantity and the +
        QVERIFY(!c.Btn1.enabled() && !c.Btn2.enabled() && !c.Btn3.enabled());
        c.TextoP.edit(QStringLiteral("agua"));
        c.BuscarProBtn.click();
        p->f.catalogo().TextoPKeyDown(Qt::Key_Return);
        c.Btn3.click();
        p->f.catalogo().Btn1Click();
        c.AddPed.click();
        QVERIFY(p->esperarTarea());
        QVERIFY(c.ListaMod.visible() && !c.ListaPro.visible() && !c.ListaCat.visible());
        QCOMPARE(e.PedidoActual.Count, 0);
        QCOMPARE(e.EspPendiente[0], QStringLiteral("sin cebolla"));
        QCOMPARE(menu::filtrosPedidos(*p).size(), 1); // no search went out
        // TERMINAR adds the dish with what was marked, and the products come back.
        c.ListaMod.click(Modificadores::TileTerminar);
        QCOMPARE(e.PedidoActual.Count, 1);
        QCOMPARE(e.PedidoActual.ArrayDetalle[0]->Esp1, QStringLiteral("sin cebolla"));
        QVERIFY(c.Captura.visible() && c.Btn3.enabled());
    }

    void mismoTextoActuaComoUno()
    {
        auto p = abrir(tacos({"sin cebolla", "picante", "sin cebolla"}));
        QVERIFY(p);
        auto &c = p->f.controles;
        c.ListaMod.click(1);
        QCOMPARE(p->f.estado.EspPendiente[0], QStringLiteral("sin cebolla"));
        QCOMPARE(marca(*p, 1), 1);
        QCOMPARE(marca(*p, 3), 1);
        c.ListaMod.click(3);
        QCOMPARE(p->f.estado.EspPendiente, (EspPendientes{}));
        QCOMPARE(marca(*p, 1), 0);
        QCOMPARE(marca(*p, 3), 0);
        QCOMPARE(caption(*p, 0), QStringLiteral("Seleccione Modificador para\rTacos al pastor"));
    }

    void textoLibre()
    {
        auto p = abrir(tacos({"sin cebolla"}));
        QVERIFY(p);
        auto &c = p->f.controles;
        auto &e = p->f.estado;
        QVERIFY(!c.ToolBarOtro.enabled());
        c.ListaMod.click(Modificadores::TileOtro);
        QVERIFY(c.ToolBarOtro.enabled());
        c.ModPer.edit(QStringLiteral("para llevar"));
        c.ModPerBtn.click();
        QCOMPARE(e.EspPendiente[5], QStringLiteral("para llevar"));
        QVERIFY(c.ModPer.text().isEmpty());
        QVERIFY(!c.ToolBarOtro.enabled());
        QCOMPARE(caption(*p, 0), QStringLiteral("Tacos al pastor\r > para llevar"));

        // Enter in the field stores it as well; an empty text empties the slot.
        c.ListaMod.click(Modificadores::TileOtro);
        c.ModPer.edit(QString());
        p->f.modificadores().ModPerKeyDown(Qt::Key_Return);
        QCOMPARE(e.EspPendiente[5], QString());
        QCOMPARE(caption(*p, 0), QStringLiteral("Seleccione Modificador para\rTacos al pastor"));
    }

    void terminarSinNadaMarcado()
    {
        auto p = abrir(tacos({"sin cebolla"}));
        QVERIFY(p);
        p->f.controles.ListaMod.click(Modificadores::TileTerminar);
        QCOMPARE(p->f.estado.PedidoActual.Count, 1);
        const TDetalle &d = *p->f.estado.PedidoActual.ArrayDetalle[0];
        QCOMPARE((QStringList{d.Esp1, d.Esp2, d.Esp3, d.Esp4, d.Esp5, d.Esp6}), QStringList(6, QString()));
        QCOMPARE(p->f.controles.ListPed.fila(0).texto, QStringLiteral("Tacos al pastor"));
    }

    /// Reopening for the same product without tapping a product keeps the pending texts,
    /// while every tile shows unmarked and the heading shows the prompt.
    void reabrirConservaPendientes()
    {
        auto p = abrir(tacos({"sin cebolla", "picante"}));
        QVERIFY(p);
        auto &c = p->f.controles;
        c.ListaMod.click(2);
        // Left without TERMINAR (the navigation bar is held while the modifiers show).
        c.ListaMod.setVisible(false);
        c.ListaPro.setVisible(true);
        p->f.Validar();
        c.AddPed.click();
        QVERIFY(c.ListaMod.visible());
        QCOMPARE(p->f.estado.EspPendiente[0], QStringLiteral("picante"));
        QCOMPARE(marca(*p, 2), 0);
        QCOMPARE(caption(*p, 0), QStringLiteral("Seleccione Modificador para\rTacos al pastor"));
        // Tapping a product empties them.
        c.ListaMod.setVisible(false);
        c.ListaPro.setVisible(true);
        c.ListaPro.click(0);
        QCOMPARE(p->f.estado.EspPendiente, (EspPendientes{}));
    }

    void sinModificadoresOfrecidosSeAgregaDirecto_data()
    {
        QTest::addColumn<QStringList>("mods");
        QTest::newRow("solo signos") << QStringList{" - ", "..", "", ";:_,"};
        QTest::newRow("solo Mod11 a Mod14") << QStringList{"", "", "", "", "", "", "", "", "", "", "sin hielo"};
    }
    void sinModificadoresOfrecidosSeAgregaDirecto()
    {
        QFETCH(QStringList, mods);
        auto p = abrir(tacos(mods));
        QVERIFY(p);
        QVERIFY(!p->f.controles.ListaMod.visible());
        QCOMPARE(p->f.estado.PedidoActual.Count, 1);
    }

    void productoInexistenteAvisaPorPaso()
    {
        FormaPrueba p;
        p.f.modificadores().MostrarModificador(42);
        QCOMPARE(p.f.dialogos.historial(), (QStringList{"error M4", "error M5", "error M6"}));
        QVERIFY(p.f.controles.ListaMod.visible());
    }
};

QTEST_MAIN(TstModificadores)
#include "tst_modificadores.moc"
