#include "MenuPrueba.h"
#include "app/Ajustes.h"
#include "service/ErrorServicio.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtTest>

/// Products: the tiles, the saved-list cache that answers a filter a second time, the
/// pictures, and the failures.
class TstProductos : public QObject {
    Q_OBJECT

    static QByteArray leer(const QString &ruta)
    {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    /// Signed in to the fake server, which answers by filter from `menus` (missing: empty list).
    static std::unique_ptr<FormaPrueba> conMenu(const QHash<QString, TListaProducto> &menus)
    {
        auto p = std::make_unique<FormaPrueba>(FormaPrueba::iniServidor());
        p->servicio->respuestas.ListaProductoConFoto = [menus](const QString &w, bool) {
            return std::optional<TListaProducto>(menus.value(w));
        };
        p->f.controles.iUser.setText(QStringLiteral("ana"));
        p->f.controles.iPass.setText(QStringLiteral("123"));
        if (!p->iniciarSesion())
            return nullptr;
        p->f.setActiveTab(QStringLiteral("TabListaCat"));
        return p;
    }

    static void categoria(FormaPrueba &p, int n)
    {
        p.f.estado.NuCategoria = n;
        p.f.catalogo().CargarProductos(1, {});
        QVERIFY(menu::esperarProductos(p));
    }

    static QString cat(int n) { return QStringLiteral("(PRODUCTO.NUCATEGORIA=%1)").arg(n); }

private slots:
    void tilesDeProducto()
    {
        const QByteArray jpg("\xFF\xD8 pastor");
        TListaProducto l = menu::productos({menu::producto("7501", "TACOS AL PASTOR", 1234.5, {}, jpg),
                                            menu::producto("7502", "ñoquis", 80)});
        auto p = conMenu({{cat(1), l}});
        QVERIFY(p);
        categoria(*p, 1);
        auto &c = p->f.controles;
        QCOMPARE(c.ListaPro.count(), 2);
        const Tile &t = c.ListaPro.tile(0);
        QCOMPARE(t.caption, QStringLiteral("Tacos al pastor\r$ 1,234.50"));
        QCOMPARE(t.detailCaption, QStringLiteral("TACOS AL PASTOR"));
        QCOMPARE(t.detailNotes, QStringLiteral("$ 1,234.50"));
        QCOMPARE(c.ListaPro.tile(1).caption, QStringLiteral("ñoquis\r$ 80.00"));
        QCOMPARE(c.ListaPro.tile(1).tag, 1);
        QCOMPARE(leer(p->carpeta() + QStringLiteral("/7501.jpg")), jpg);
        QCOMPARE(menu::imagen(t), jpg);
        QVERIFY(c.ListaPro.tile(1).picture.isEmpty());
        QCOMPARE(c.ListaPro.selectedIndex(), -1);
        QVERIFY(c.ListaPro.visible() && c.Captura.visible() && c.ToolBar1.visible() && c.Btn3.checked());
        QCOMPARE(p->servicio->llamadas(QStringLiteral("ListaProductoConFoto"))[0].argumentos,
                 (QStringList{"User=ana", "Pass=123", "Where=" + cat(1), "Foto=1"}));
        const AspectoTile a = c.ListaPro.look(0);
        QCOMPARE(a.colorTexto, QColor(Qt::blue));
        QCOMPARE(a.lineasTexto, 3); // a two-line name and the price
        QVERIFY(a.mostrarImagen);

        // The list just fetched went to the saved list with its filter and picture file.
        QCOMPARE(p->f.estado.NumProductosGuardados(), 2);
        const DatosProductoGuardado g = Leer(p->f.estado.ProductosGuardados.registro(0));
        QCOMPARE(g.Filtro, cat(1));
        QCOMPARE(g.Foto, QStringLiteral("7501.jpg"));
        QCOMPARE(Leer(p->f.estado.ProductosGuardados.registro(1)).Foto, QString());
    }

    void mismaCategoriaDosVecesNoPideNiDuplica()
    {
        auto p = conMenu({{cat(1), menu::productos({menu::producto("1", "Sopa", 50), menu::producto("2", "Pan", 9)})}});
        QVERIFY(p);
        categoria(*p, 1);
        categoria(*p, 1);
        QCOMPARE(menu::filtrosPedidos(*p), QStringList{cat(1)});
        QCOMPARE(p->f.estado.NumProductosGuardados(), 2);
        QCOMPARE(p->f.controles.ListaPro.count(), 2);

        // The list on screen answers its own filter even once the saved list is emptied.
        p->f.ajustes().Button2Click();
        categoria(*p, 1);
        QCOMPARE(menu::filtrosPedidos(*p), QStringList{cat(1)});
        QCOMPARE(p->f.estado.NumProductosGuardados(), 0);
        QCOMPARE(p->f.controles.ListaPro.count(), 2);
    }

    void vueltaAUnaCategoriaSaleDeLaListaGuardada()
    {
        const QByteArray jpg("jpg-sopa");
        TProducto sopa = menu::producto("1", "Sopa", 50, {"", "sin crema"}, jpg);
        sopa.Fabricante = QStringLiteral("Casa");
        sopa.TasaIVA = 16;
        sopa.TasaIEPS = 8;
        sopa.NuMoneda = 2;
        auto p = conMenu({{cat(1), menu::productos({sopa, menu::producto("2", "Pan", 9)})},
                          {cat(2), menu::productos({menu::producto("3", "Flan", 35)})}});
        QVERIFY(p);
        categoria(*p, 1);
        categoria(*p, 2);
        QFile archivo(p->carpeta() + QStringLiteral("/1.jpg"));
        QVERIFY(archivo.open(QIODevice::WriteOnly));
        archivo.write("jpg-en-disco");
        archivo.close();
        categoria(*p, 1);
        auto &e = p->f.estado;
        QCOMPARE(menu::filtrosPedidos(*p), (QStringList{cat(1), cat(2)}));
        QCOMPARE(e.NumProductosGuardados(), 3);
        QVERIFY(e.ListaProductosRestaurada);
        QCOMPARE(e.UltimoFiltro, cat(1));
        const TProducto &r = *e.ListaProductos.ArrayProducto[0];
        QCOMPARE(r.FotoStr, QStringLiteral("1.jpg"));
        QCOMPARE(r.Fabricante, QStringLiteral("Casa"));
        QCOMPARE(r.Mod2, QStringLiteral("sin crema"));
        QCOMPARE((QList<double>{r.TasaIVA, r.TasaIEPS, double(r.NuMoneda)}), (QList<double>{16, 8, 2}));
        QVERIFY(r.Foto.isEmpty());
        // The picture now comes from the file named in FotoStr.
        QCOMPARE(menu::imagen(p->f.controles.ListaPro.tile(0)), QByteArray("jpg-en-disco"));
        QVERIFY(p->f.controles.ListaPro.tile(1).picture.isEmpty());
    }

    void errorDejaListaVacia()
    {
        auto p = conMenu({{cat(1), menu::productos({menu::producto("1", "Sopa", 50)})}});
        QVERIFY(p);
        categoria(*p, 1);
        p->servicio->respuestas.ListaProductoConFoto = [](const QString &, bool) -> std::optional<TListaProducto> {
            throw ErrorServicio(QStringLiteral("Connection refused"));
        };
        categoria(*p, 2);
        auto &e = p->f.estado;
        QCOMPARE(p->f.dialogos.historial(), QStringList{"No hay conexión al URL"});
        QCOMPARE(p->f.controles.ListaPro.count(), 0);
        QVERIFY(!p->f.ActivityDialog1.shown() && !p->f.controles.WaitLayout.visible());
        // The held list and its filter stay; the failed filter is asked again next time.
        QCOMPARE(e.UltimoFiltro, cat(1));
        QCOMPARE(e.ListaProductos.Count, 1);
        QCOMPARE(e.NumProductosGuardados(), 1);
        categoria(*p, 2);
        QCOMPARE(menu::filtrosPedidos(*p).size(), 3);
    }

    void respuestaSinListaEsListaVacia()
    {
        auto p = conMenu({});
        QVERIFY(p);
        p->servicio->respuestas.ListaProductoConFoto = [](const QString &, bool) { return std::optional<TListaProducto>(); };
        categoria(*p, 4);
        QCOMPARE(p->f.controles.ListaPro.count(), 0);
        QVERIFY(p->f.dialogos.historial().isEmpty());
        QCOMPARE(p->f.estado.UltimoFiltro, cat(4));
    }

    /// A product key from the server names a picture file only in a form that stays inside
    /// the documents folder; the saved list names that same file, so a restore shows it.
    void claveDelServidorNoSaleDeLaCarpeta_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("archivo");
        QTest::newRow("normal") << "7501" << "7501.jpg";
        QTest::newRow("sube de carpeta") << "../../fuera" << "%2E%2E%2F%2E%2E%2Ffuera.jpg";
        QTest::newRow("absoluta") << "/tmp/x" << "%2Ftmp%2Fx.jpg";
        QTest::newRow("punto punto") << ".." << "%2E%2E.jpg";
        QTest::newRow("vacia") << "" << "%.jpg"; // "%00" is the name of a NUL
        QTest::newRow("control") << QString("a\nb") << "a%0Ab.jpg";
    }
    void claveDelServidorNoSaleDeLaCarpeta()
    {
        QFETCH(QString, id);
        QFETCH(QString, archivo);
        auto p = conMenu({{cat(1), menu::productos({menu::producto(id, "Sopa", 50, {}, "jpg")})},
                          {cat(2), menu::productos({menu::producto("2", "Pan", 9)})}});
        QVERIFY(p);
        const QDir carpeta(p->carpeta());
        const QStringList antes = carpeta.entryList(QDir::Files);
        categoria(*p, 1);
        const QStringList despues = carpeta.entryList(QDir::Files);
        QCOMPARE(despues.size(), antes.size() + 1);
        QVERIFY2(despues.contains(archivo), qPrintable(despues.join(u' ')));
        QCOMPARE(leer(carpeta.filePath(archivo)), QByteArray("jpg"));
        QVERIFY(!QFile::exists(p->carpeta() + QStringLiteral("/../fuera.jpg")));
        QCOMPARE(Leer(p->f.estado.ProductosGuardados.registro(0)).Foto, archivo);

        categoria(*p, 2);
        categoria(*p, 1);
        QVERIFY(p->f.estado.ListaProductosRestaurada);
        QCOMPARE(menu::imagen(p->f.controles.ListaPro.tile(0)), QByteArray("jpg"));
    }

    /// A saved list written elsewhere may name any file: only names inside the folder are read.
    void nombreGuardadoFueraDeLaCarpetaNoSeLee()
    {
        auto p = conMenu({});
        QVERIFY(p);
        // A readable file beside the documents folder.
        QTemporaryFile secreto(QFileInfo(p->carpeta()).absolutePath() + QStringLiteral("/secretoXXXXXX.jpg"));
        QVERIFY(secreto.open());
        secreto.write("secreto");
        secreto.flush();
        DatosProductoGuardado d;
        d.ID = QStringLiteral("1");
        d.Descripcion = QStringLiteral("Sopa");
        d.Foto = QStringLiteral("../") + QFileInfo(secreto.fileName()).fileName();
        d.Filtro = cat(9);
        p->f.estado.ProductosGuardados.agregar(d);
        QVERIFY(QFile::exists(p->carpeta() + u'/' + d.Foto));
        categoria(*p, 9);
        QCOMPARE(p->f.controles.ListaPro.count(), 1);
        QVERIFY(p->f.controles.ListaPro.tile(0).picture.isEmpty());
        QVERIFY(menu::filtrosPedidos(*p).isEmpty());
    }

    void sinImagenesDeProductos()
    {
        FormaPrueba p(FormaPrueba::iniServidor(QStringLiteral("ImgProducto=0\n")));
        menu::responderProductos(p, menu::productos({menu::producto("1", "Sopa", 50, {}, "jpg")}));
        QVERIFY(p.iniciarSesion());
        categoria(p, 1);
        QCOMPARE(menu::filtrosPedidos(p).size(), 1);
        QCOMPARE(p.servicio->llamadas(QStringLiteral("ListaProductoConFoto"))[0].argumentos.last(), QStringLiteral("Foto=0"));
        QVERIFY(!QFile::exists(p.carpeta() + QStringLiteral("/1.jpg")));
        QVERIFY(p.f.controles.ListaPro.tile(0).picture.isEmpty());
        QCOMPARE(Leer(p.f.estado.ProductosGuardados.registro(0)).Foto, QString());
        QCOMPARE(p.f.controles.ListaPro.look(0).lineasTexto, 0);
    }

    void tocarProductoLoSeleccionaYVaciaPendientes()
    {
        auto p = conMenu({{cat(1), menu::productos({menu::producto("1", "Sopa", 50), menu::producto("2", "Pan", 9)})}});
        QVERIFY(p);
        categoria(*p, 1);
        p->f.estado.EspPendiente = {"a", "b", "", "", "", "c"};
        p->f.controles.ListaPro.click(1);
        QCOMPARE(p->f.controles.ListaPro.selectedIndex(), 1);
        QCOMPARE(p->f.estado.EspPendiente, (std::array<QString, 6>{}));
        QCOMPARE(p->f.estado.PedidoActual.Count, 0);
        p->f.controles.ListaPro.showDetail(0);
        QCOMPARE(p->f.controles.ListaPro.selectedIndex(), 0);
    }

    void demoRestauraPorFiltroSinServidor()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        categoria(p, 4);
        QCOMPARE(c.ListaPro.count(), 5);
        QCOMPARE(c.ListaPro.tile(0).caption, QStringLiteral("Cafe\r$ 40.00"));
        QCOMPARE(p.f.estado.NumProductosGuardados(), 19);
        // A search finds nothing saved and shows the list held before.
        c.TextoP.edit(QStringLiteral("coca"));
        c.BuscarProBtn.click();
        QVERIFY(p.esperarTarea());
        QCOMPARE(c.ListaPro.count(), 5);
        QCOMPARE(p.f.estado.UltimoFiltro, QStringLiteral("@coca"));
        QVERIFY(p.servicio->llamadas().isEmpty());
        QCOMPARE(p.f.estado.NumProductosGuardados(), 19);

        // Some demo dishes offer modifiers.
        c.ListaPro.click(0);
        c.AddPed.click();
        QVERIFY(c.ListaMod.visible());
        QCOMPARE(c.ListaMod.tile(5).caption, QStringLiteral("Americano"));
        QVERIFY(!c.ListaMod.tile(1).selectable);
    }

    void demoEnVariasPaginas()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        // One column of products: three to a page, so the six dinners take two.
        c.ColumnasPro.setText(QStringLiteral("1"));
        p.f.ajustes().SetSettings();
        categoria(p, 2);
        QCOMPARE(c.ListaPro.count(), 6);
        QCOMPARE(c.ListaPro.pageCount(), 2);
        c.NextBtn.click();
        QCOMPARE(c.ListaPro.page(), 1);
        QCOMPARE(c.ListaPro.pageModel()->data(c.ListaPro.pageModel()->index(0, 0), TileList::CaptionRole)
                     .toString()
                     .section(u'\n', 0, 0),
                 QStringLiteral("Filete a la veracruzana"));
    }
};

QTEST_MAIN(TstProductos)
#include "tst_productos.moc"
