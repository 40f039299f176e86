#include "Mesero.h"
#include "service/ErrorServicio.h"

namespace {
const QList<Info> Salon{{10, "Barra", "Planta baja", 0}, {11, "Terraza", "Planta alta", 3}, {12, "Jardín", "", 2.9}};

/// A form signed in against the fake server, whose ListaMesas answers the Salon.
struct ConServidor {
    FormaPrueba p{FormaPrueba::iniServidor()};
    Mesero m{p};
    bool ok = false;
    explicit ConServidor(const QList<Info> &mesas = Salon)
    {
        p.servicio->respuestas.ListaMesas = [mesas](int) { return std::optional(ListaInfo(mesas)); };
        p.f.controles.iUser.setText(QStringLiteral("lupita"));
        p.f.controles.iPass.setText(QStringLiteral("4321"));
        ok = p.iniciarSesion();
        p.servicio->olvidarLlamadas();
    }
};
} // namespace

/// The table map: loading once, refreshing, the two modes, the tiles' look and paging.
class TstMesas : public QObject {
    Q_OBJECT
private slots:
    void mapaSeCargaUnaVezYRefrescarPideDeNuevo()
    {
        ConServidor s;
        QVERIFY(s.ok);
        auto &c = s.p.f.controles;
        QVERIFY(s.m.menu(2)); // "Mesas"
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabMesas"));
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Mesas"));
        QVERIFY(c.RefreshBtn.visible() && c.BackBtn.visible());
        QVERIFY(!c.ToolBarMesa.visible());
        QVERIFY(s.m.mensajes().isEmpty());

        const auto llamadas = s.p.servicio->llamadas(QStringLiteral("ListaMesas"));
        QCOMPARE(llamadas.size(), 1);
        QCOMPARE(llamadas[0].argumentos, (QStringList{"User=lupita", "Pass=4321", "NuMesero=1"}));

        QCOMPARE(c.ListaMesa.count(), 3);
        QStringList tiles;
        for (int i = 0; i < 3; ++i) {
            const Tile &t = c.ListaMesa.tile(i);
            tiles << QStringLiteral("%1|%2|%3|%4|%5").arg(t.tag).arg(t.caption, t.notes, t.badge, t.picture);
        }
        QCOMPARE(tiles, (QStringList{"10|Barra|Planta baja||store:Mesa", "11|Terraza|Planta alta|3|store:Mesa",
                                     "12|Jardín||2|store:Mesa"}));

        // A second visit rebuilds from the kept list; the header's refresh asks again.
        QVERIFY(s.m.menu(2));
        QCOMPARE(c.ListaMesa.count(), 3);
        QCOMPARE(s.p.servicio->llamadas(QStringLiteral("ListaMesas")).size(), 1);
        s.p.servicio->respuestas.ListaMesas = [](int) { return std::optional(ListaInfo({{20, "Nueva", "", 1}})); };
        c.RefreshBtn.click();
        QVERIFY(s.p.esperarTarea());
        QCOMPARE(s.p.servicio->llamadas(QStringLiteral("ListaMesas")).size(), 2);
        QCOMPARE(c.ListaMesa.count(), 1);
        QCOMPARE(c.ListaMesa.tile(0).caption, QStringLiteral("Nueva"));
        QCOMPARE(c.ListaMesa.tag(), ModoMapa::Ver);
    }

    void refrescarConservaElModoElegir()
    {
        ConServidor s;
        QVERIFY(s.ok);
        auto &c = s.p.f.controles;
        QVERIFY(s.m.menu(1)); // "Nueva Comanda"
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Nueva Comanda"));
        QVERIFY(c.ToolBarMesa.visible());
        c.RefreshBtn.click();
        QVERIFY(s.p.esperarTarea());
        QCOMPARE(s.p.servicio->llamadas(QStringLiteral("ListaMesas")).size(), 2);
        QCOMPARE(c.ListaMesa.tag(), ModoMapa::Elegir);
        QVERIFY(c.ToolBarMesa.visible());
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Nueva Comanda"));
    }

    // A tap starts a comanda only when the map was opened to choose a table.
    void tocarMesa_data()
    {
        QTest::addColumn<int>("tileMenu");
        QTest::addColumn<QString>("pantalla");
        QTest::addColumn<int>("nuPaso");
        QTest::addColumn<QString>("referencia");
        QTest::newRow("view mode: nothing") << 2 << "TabMesas" << 0 << "";
        QTest::newRow("choose mode: comanda on the table") << 1 << "TabListaCat" << 11 << "Terraza";
    }
    void tocarMesa()
    {
        QFETCH(int, tileMenu);
        QFETCH(QString, pantalla);
        QFETCH(int, nuPaso);
        QFETCH(QString, referencia);
        ConServidor s;
        QVERIFY(s.ok);
        QVERIFY(s.m.menu(tileMenu));
        s.m.elegirMesa(QStringLiteral("Terraza"));
        QVERIFY(s.p.esperarTarea());
        QCOMPARE(s.p.f.activeTab(), pantalla);
        QCOMPARE(s.p.f.estado.PedidoActual.NuPaso, nuPaso);
        QCOMPARE(s.p.f.estado.PedidoActual.ReferenciaPago, referencia);
        QCOMPARE(s.p.servicio->llamadas(QStringLiteral("ObtenerCategoriasPOS")).size(), nuPaso ? 1 : 0);
        if (nuPaso)
            QCOMPARE(s.p.f.controles.ToolBarLabel.text(), QStringLiteral("Comanda / Terraza"));
    }

    void nuevaComandaSinLineasPideOtraMesa()
    {
        ConServidor s;
        QVERIFY(s.ok);
        QVERIFY(s.m.menu(1));
        QVERIFY(s.m.elegirMesa(QStringLiteral("Barra")));
        QVERIFY(s.m.menu(1));
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabMesas"));
        QCOMPARE(s.p.f.controles.ListaMesa.tag(), ModoMapa::Elegir);
        QVERIFY(s.m.elegirMesa(QStringLiteral("Jardín")));
        QCOMPARE(s.p.f.estado.PedidoActual.NuPaso, 12);
        QCOMPARE(s.p.f.estado.PedidoActual.ReferenciaPago, QStringLiteral("Jardín"));
    }

    void nuevaComandaConLineasSigueEnSuMesa()
    {
        ConServidor s;
        QVERIFY(s.ok);
        auto &c = s.p.f.controles;
        auto &e = s.p.f.estado;
        QVERIFY(s.m.menu(1));
        QVERIFY(s.m.elegirMesa(QStringLiteral("Terraza")));
        s.m.linea(QStringLiteral("Café"), 1, 40);
        c.LabelInfo.setText(QStringLiteral("[1]  +  1 X Café"));
        e.EspPendiente[0] = QStringLiteral("Sin azúcar");
        e.EspPendiente[5] = QStringLiteral("Para llevar");
        QVERIFY(s.m.menu(1));
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabListaCat"));
        QCOMPARE(s.p.servicio->llamadas(QStringLiteral("ListaMesas")).size(), 1);
        QCOMPARE(e.PedidoActual.NuPaso, 11);
        QCOMPARE(e.PedidoActual.Count, 1);
        QVERIFY(c.LabelInfo.text().isEmpty());
        for (const QString &esp : e.EspPendiente)
            QVERIFY(esp.isEmpty());
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Comanda / Terraza"));
    }

    void falloAlObtenerMesas()
    {
        ConServidor s;
        QVERIFY(s.ok);
        s.p.servicio->respuestas.ListaMesas = [](int) -> std::optional<TListaInfo1> {
            throw ErrorServicio(QStringLiteral("Connection refused"));
        };
        QVERIFY(s.m.menu(2));
        QCOMPARE(s.m.mensajes(), QStringList{QStringLiteral("Error al obtener mesas Connection refused")});
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QVERIFY(!s.p.f.estado.MesasCargadas);
        QCOMPARE(s.p.f.controles.ListaMesa.count(), 0);

        // Not loaded: the next visit asks again.
        s.p.servicio->respuestas.ListaMesas = [](int) { return std::optional(ListaInfo(Salon)); };
        QVERIFY(s.m.menu(2));
        QCOMPARE(s.p.servicio->llamadas(QStringLiteral("ListaMesas")).size(), 2);
        QCOMPARE(s.p.f.controles.ListaMesa.count(), 3);
    }

    void respuestaSinListaEsMapaVacio()
    {
        ConServidor s;
        QVERIFY(s.ok);
        s.p.servicio->respuestas.ListaMesas = [](int) { return std::optional<TListaInfo1>(); };
        QVERIFY(s.m.menu(2));
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabMesas"));
        QCOMPARE(s.p.f.controles.ListaMesa.count(), 0);
        QVERIFY(s.m.mensajes().isEmpty());
    }

    void pedirMapaMientrasOtraTareaCorreLoDejaVacio()
    {
        ConServidor s;
        QVERIFY(s.ok);
        QVERIFY(s.m.menu(2));
        QCOMPARE(s.p.f.controles.ListaMesa.count(), 3);
        const QThread *anterior = s.p.f.tareas.FTarea();
        s.p.f.ActivityDialog1.show(); // another task is running
        s.p.f.mesas().ActivarSelMesa();
        QCOMPARE(s.p.f.tareas.FTarea(), anterior);
        QVERIFY(s.p.f.controles.ListaMesa.visible());
        QCOMPARE(s.p.f.controles.ListaMesa.count(), 0);
        QCOMPARE(s.p.servicio->llamadas(QStringLiteral("ListaMesas")).size(), 1);
        s.p.f.ActivityDialog1.hide();
    }

    void demoSinRed()
    {
        FormaPrueba p;
        Mesero m{p};
        QVERIFY(p.iniciarSesion());
        QVERIFY(m.menu(2));
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabMesas"));
        QCOMPARE(p.f.controles.ListaMesa.count(), 4);
        QCOMPARE(m.tile(QStringLiteral("Mesa 1"))->badge, QStringLiteral("2"));
        QCOMPARE(m.tile(QStringLiteral("Mesa 2"))->badge, QString());
        QCOMPARE(m.tile(QStringLiteral("Mesa 3"))->badge, QStringLiteral("2"));
        p.f.controles.RefreshBtn.click();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.controles.ListaMesa.count(), 4);
        QVERIFY(p.servicio->llamadas().isEmpty());
    }

    // With pictures the caption is two lines high over the picture; without, it fills the tile.
    void aspectoDeLasMesas_data()
    {
        QTest::addColumn<bool>("imagen");
        QTest::newRow("pictures on") << true;
        QTest::newRow("pictures off") << false;
    }
    void aspectoDeLasMesas()
    {
        QFETCH(bool, imagen);
        FormaPrueba p;
        Mesero m{p};
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        c.SwitchM.setChecked(imagen);
        c.Fuente1.setValue(15);
        p.f.ajustes().SetSettings();
        QVERIFY(m.menu(2));
        QCOMPARE(c.ListaMesa.tile(0).picture, imagen ? QStringLiteral("store:Mesa") : QString());
        QCOMPARE(c.ListaMesa.rows(), imagen ? 4 : 9);
        const AspectoTile a = c.ListaMesa.look(0);
        QCOMPARE(a.relleno, QColor(Qt::white));
        QCOMPARE(a.colorTexto.rgba(), 0xFF0000FFu);
        QCOMPARE(a.tamFuente, 15);
        QCOMPARE((QList<int>{a.margenIzq, a.margenDer, a.margenSup, a.margenInf}), (QList<int>{0, 2, 1, 0}));
        QCOMPARE(a.lineasTexto, imagen ? 2 : 0);
        QCOMPARE(a.extraTexto, imagen ? 10 : 0);
        QCOMPARE(a.mostrarImagen, imagen);
    }

    void paginas()
    {
        QList<Info> muchas;
        for (int i = 1; i <= 10; ++i)
            muchas << Info{i, QStringLiteral("M%1").arg(i), {}, 0};
        ConServidor s(muchas);
        QVERIFY(s.ok);
        auto &c = s.p.f.controles;
        c.ListaMesa.setRows(2);
        c.ListaMesa.setColumns(2);
        QVERIFY(s.m.menu(2));
        QCOMPARE(c.ListaMesa.pageCount(), 3);
        c.NextMBtn.click();
        c.NextMBtn.click();
        c.NextMBtn.click();
        QCOMPARE(c.ListaMesa.page(), 2);
        c.PriorMBtn.click();
        QCOMPARE(c.ListaMesa.page(), 1);
        c.ListaMesa.setVisible(false);
        c.PriorMBtn.click();
        QCOMPARE(c.ListaMesa.page(), 1);
    }
};

QTEST_MAIN(TstMesas)
#include "tst_mesas.moc"
