#include "MenuPrueba.h"
#include "shell/Navegacion.h"
#include "service/ErrorServicio.h"
#include <QFile>
#include <QtTest>

/// Categories fetched once per sign-in, their tiles and cached pictures, the subcategories
/// taken from the same answer, and the navigation bar.
class TstCategorias : public QObject {
    Q_OBJECT

    static QByteArray leer(const QString &ruta)
    {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    /// Signed in to the fake server, whose categories are `lista`, and the categories shown.
    static std::unique_ptr<FormaPrueba> conCategorias(const TListaCategoria &lista)
    {
        auto p = std::make_unique<FormaPrueba>(FormaPrueba::iniServidor());
        p->servicio->respuestas.ObtenerCategoriasPOS = [lista](bool) { return std::optional<TListaCategoria>(lista); };
        p->f.controles.iUser.setText(QStringLiteral("ana"));
        p->f.controles.iPass.setText(QStringLiteral("123"));
        if (!p->iniciarSesion())
            return nullptr;
        p->f.setActiveTab(QStringLiteral("TabListaCat"));
        p->f.catalogo().CargarCategorias();
        if (!p->esperarTarea())
            return nullptr;
        return p;
    }

    static int peticiones(FormaPrueba &p) { return int(p.servicio->llamadas(QStringLiteral("ObtenerCategoriasPOS")).size()); }

private slots:
    void categoriasUnaVezPorSesion()
    {
        const QByteArray jpg("\xFF\xD8 desayunos");
        auto p = conCategorias(menu::categorias(
            {menu::categoria(12, "Desayunos", jpg), menu::categoria(7, "Bebidas", QByteArray())}));
        QVERIFY(p);
        auto &c = p->f.controles;
        QCOMPARE(peticiones(*p), 1);
        QCOMPARE(p->servicio->llamadas(QStringLiteral("ObtenerCategoriasPOS"))[0].argumentos,
                 (QStringList{"User=ana", "Pass=123", "Foto=1"}));
        QCOMPARE(c.ListaCat.count(), 2);
        QCOMPARE(c.ListaCat.tile(0).caption, QStringLiteral("Desayunos"));
        QCOMPARE(c.ListaCat.tile(0).tag, 12);
        QCOMPARE(c.ListaCat.tile(1).tag, 7);
        QVERIFY(c.ListaCat.visible() && !c.ListaPro.visible() && !c.ListaSubCat.visible());
        QVERIFY(!c.Captura.visible());
        QVERIFY(c.Btn1.checked() && c.Btn1.enabled() && !c.Btn2.enabled());
        QVERIFY(!p->f.ActivityDialog1.shown() && !c.WaitLayout.visible());

        // The picture goes to cat12.jpg and the tile shows it; no bytes, no file, no picture.
        const QString archivo = p->carpeta() + QStringLiteral("/cat12.jpg");
        QCOMPARE(leer(archivo), jpg);
        QCOMPARE(menu::imagen(c.ListaCat.tile(0)), jpg);
        QVERIFY(c.ListaCat.tile(1).picture.isEmpty());
        QVERIFY(!QFile::exists(p->carpeta() + QStringLiteral("/cat7.jpg")));

        // A second visit rebuilds the tiles from memory and rewrites the picture.
        QFile::remove(archivo);
        p->f.catalogo().CargarCategorias();
        QVERIFY(p->esperarTarea());
        QCOMPARE(peticiones(*p), 1);
        QCOMPARE(c.ListaCat.count(), 2);
        QCOMPARE(leer(archivo), jpg);

        // A new sign-in fetches again.
        p->f.CerrarSessionBtnClick();
        QVERIFY(p->iniciarSesion());
        p->f.catalogo().CargarCategorias();
        QVERIFY(p->esperarTarea());
        QCOMPARE(peticiones(*p), 2);
    }

    void sinImagenesNoPideNiEscribe()
    {
        FormaPrueba p(FormaPrueba::iniServidor(QStringLiteral("ImgCategoria=0\n")));
        p.servicio->respuestas.ObtenerCategoriasPOS = [](bool) {
            return std::optional<TListaCategoria>(menu::categorias({menu::categoria(3, "Cenas", "jpg")}));
        };
        QVERIFY(p.iniciarSesion());
        p.f.catalogo().CargarCategorias();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.servicio->llamadas(QStringLiteral("ObtenerCategoriasPOS"))[0].argumentos.last(), QStringLiteral("Foto=0"));
        QVERIFY(!QFile::exists(p.carpeta() + QStringLiteral("/cat3.jpg")));
        QVERIFY(p.f.controles.ListaCat.tile(0).picture.isEmpty());
        // Without pictures the caption fills the tile.
        QCOMPARE(p.f.controles.ListaCat.look(0).lineasTexto, 0);
        QVERIFY(!p.f.controles.ListaCat.look(0).mostrarImagen);
    }

    void aspectoDeLosTiles()
    {
        auto p = conCategorias(menu::categorias({menu::categoria(1, "Desayunos")}));
        QVERIFY(p);
        p->f.estado.FuenteCuadros = 15;
        const AspectoTile a = p->f.controles.ListaCat.look(0);
        QCOMPARE(a.relleno, QColor(Qt::white));
        QCOMPARE(a.colorTexto, QColor(Qt::blue));
        QCOMPARE(a.tamFuente, 15);
        QCOMPARE(a.lineasTexto, 2);
        QCOMPARE(a.extraTexto, 10);
        QVERIFY(a.mostrarImagen);
        QCOMPARE((QList<int>{a.margenIzq, a.margenDer, a.margenSup, a.margenInf}), (QList<int>{0, 2, 1, 0}));
    }

    void falloDejaListaVaciaYReintenta()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        p.servicio->respuestas.ObtenerCategoriasPOS = [](bool) -> std::optional<TListaCategoria> {
            throw ErrorServicio(QStringLiteral("sin red"));
        };
        p.f.catalogo().CargarCategorias();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.dialogos.historial(), QStringList{"No se pudo obtener la lista"});
        QCOMPARE(p.f.controles.ListaCat.count(), 0);
        QVERIFY(!p.f.estado.CategoriasCargadas);
        QVERIFY(!p.f.ActivityDialog1.shown() && !p.f.controles.WaitLayout.visible());

        p.servicio->respuestas.ObtenerCategoriasPOS = [](bool) {
            return std::optional<TListaCategoria>(menu::categorias({menu::categoria(1, "Comidas")}));
        };
        p.f.catalogo().CargarCategorias();
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.servicio->llamadas(QStringLiteral("ObtenerCategoriasPOS")).size(), 2);
        QCOMPARE(p.f.controles.ListaCat.count(), 1);
    }

    void respuestaSinListaEsListaVacia()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        p.servicio->respuestas.ObtenerCategoriasPOS = [](bool) { return std::optional<TListaCategoria>(); };
        QVERIFY(p.iniciarSesion());
        p.f.catalogo().CargarCategorias();
        QVERIFY(p.esperarTarea());
        QVERIFY(p.f.dialogos.historial().isEmpty());
        QCOMPARE(p.f.controles.ListaCat.count(), 0);
        QVERIFY(p.f.estado.CategoriasCargadas);
    }

    void conTareaEnCursoNoHaceNada()
    {
        auto p = conCategorias(menu::categorias({menu::categoria(1, "Comidas")}));
        QVERIFY(p);
        // The activity dialog up means another task runs: the list is emptied and no task starts.
        p->f.ActivityDialog1.show();
        p->f.catalogo().CargarCategorias();
        QCOMPARE(p->f.controles.ListaCat.count(), 0);
        QVERIFY(!p->f.controles.WaitLayout.visible());
        p->f.ActivityDialog1.hide();
        QVERIFY(p->esperarTarea());
        QCOMPARE(p->f.controles.ListaCat.count(), 0);
    }

    void categoriaConSubcategorias()
    {
        const QByteArray a("jpg-a"), b("jpg-b");
        auto p = conCategorias(menu::categorias(
            {menu::categoria(5, "Comidas", {}, {menu::subcategoria(12, "Pastas", a), menu::subcategoria(13, "Sopas", b)}),
             menu::categoria(6, "Postres"),
             menu::categoria(5, "Comidas 2", {}, {menu::subcategoria(14, "Carnes")})}));
        QVERIFY(p);
        auto &c = p->f.controles;
        c.ListaCat.click(0);
        QCOMPARE(p->f.estado.NuCategoria, 5);
        QVERIFY(c.ListaSubCat.visible() && !c.ListaCat.visible());
        // Every category with that number contributes, in list order.
        QCOMPARE(c.ListaSubCat.count(), 3);
        QCOMPARE(c.ListaSubCat.tile(0).caption, QStringLiteral("Pastas"));
        QCOMPARE(c.ListaSubCat.tile(2).tag, 14);
        // One shared file, holding the last picture written; each tile keeps its own.
        QCOMPARE(menu::imagen(c.ListaSubCat.tile(0)), a);
        QCOMPARE(menu::imagen(c.ListaSubCat.tile(1)), b);
        QVERIFY(c.ListaSubCat.tile(2).picture.isEmpty());
        QCOMPARE(leer(p->carpeta() + QStringLiteral("/c.jpg")), b);
        QVERIFY(c.Btn2.checked() && c.Btn2.enabled());
        QCOMPARE(menu::filtrosPedidos(*p), QStringList());

        menu::responderProductos(*p, menu::productos({menu::producto("1", "Lasaña", 120)}));
        c.ListaSubCat.click(0);
        QVERIFY(p->esperarTarea());
        QCOMPARE(p->f.estado.NuSubCategoria, 12);
        QCOMPARE(menu::filtrosPedidos(*p),
                 QStringList{"(PRODUCTO.NUCATEGORIA=5) and (PRODUCTO.NUSUBCATEGORIA=12)"});
        QVERIFY(c.ListaPro.visible() && c.Captura.visible() && c.Btn3.checked());
    }

    // A subcategory picture that cannot be written says so; the tiles added so far stay.
    void fotoDeSubcategoriaQueNoSeEscribe()
    {
        auto p = conCategorias(menu::categorias(
            {menu::categoria(5, "Comidas", {}, {menu::subcategoria(12, "Pastas", "jpg"), menu::subcategoria(13, "Sopas", "jpg")})}));
        QVERIFY(p);
        // "c.jpg" cannot be replaced: a folder stands in its place.
        QVERIFY(QDir(p->carpeta()).mkpath(QStringLiteral("c.jpg/x")));
        auto &c = p->f.controles;
        c.ListaCat.click(0);
        QCOMPARE(p->f.dialogos.historial(), QStringList{QStringLiteral("Error al cargar subcategorias")});
        QVERIFY(c.ListaSubCat.visible());
        QCOMPARE(c.ListaSubCat.count(), 1);
        QCOMPARE(c.ListaSubCat.tile(0).caption, QStringLiteral("Pastas"));
    }

    void categoriaSinSubcategoriasVaAProductos_data()
    {
        QTest::addColumn<bool>("sinLista");
        QTest::newRow("Count 0") << false;
        QTest::newRow("lista ausente") << true;
    }
    void categoriaSinSubcategoriasVaAProductos()
    {
        QFETCH(bool, sinLista);
        TCategoria postres = menu::categoria(6, "Postres");
        if (sinLista)
            postres.ListaSubCategoria.reset();
        auto p = conCategorias(menu::categorias(
            {menu::categoria(5, "Comidas", {}, {menu::subcategoria(12, "Pastas")}), postres}));
        QVERIFY(p);
        auto &c = p->f.controles;
        c.ListaCat.click(0);
        QCOMPARE(c.ListaSubCat.count(), 1);
        c.Btn1.click();
        c.ListaCat.click(1);
        QVERIFY(p->esperarTarea());
        QCOMPARE(c.ListaSubCat.count(), 0);
        QVERIFY(!c.Btn2.enabled());
        QCOMPARE(menu::filtrosPedidos(*p), QStringList{"(PRODUCTO.NUCATEGORIA=6)"});
    }

    /// An empty slot in the received list has no tile; each tile still opens its own category.
    void huecoEnLaListaNoDesplazaLasCategorias()
    {
        TListaCategoria l = menu::categorias({menu::categoria(1, "A"), menu::categoria(2, "B"),
                                              menu::categoria(3, "C", {}, {menu::subcategoria(30, "C1")})});
        l.ArrayCategoria[1].reset();
        auto p = conCategorias(l);
        QVERIFY(p);
        QCOMPARE(p->f.controles.ListaCat.count(), 2);
        p->f.controles.ListaCat.click(1);
        QCOMPARE(p->f.estado.NuCategoria, 3);
        QCOMPARE(p->f.controles.ListaSubCat.count(), 1);
    }

    void barraDeNavegacionYPaginas()
    {
        QList<TCategoria> muchas;
        for (int i = 1; i <= 20; ++i)
            muchas << menu::categoria(i, QStringLiteral("Cat %1").arg(i), {}, {menu::subcategoria(100 + i, "Sub")});
        auto p = conCategorias(menu::categorias(muchas));
        QVERIFY(p);
        auto &c = p->f.controles;
        QCOMPARE(c.ListaCat.pageCount(), 3); // 3 rows × 3 columns per page
        c.NextBtn.click();
        c.NextBtn.click();
        c.NextBtn.click();
        QCOMPARE(c.ListaCat.page(), 2);
        c.PriorBtn.click();
        QCOMPARE(c.ListaCat.page(), 1);

        c.ListaCat.click(0);
        QCOMPARE(c.ListaCat.page(), 0); // every switch of list goes back to the first page
        menu::responderProductos(*p, menu::productos({menu::producto("1", "Uno", 1), menu::producto("2", "Dos", 2)}));
        c.ListaSubCat.click(0);
        QVERIFY(p->esperarTarea());

        struct Caso {
            Control *boton;
            bool cat, sub, pro, paginas;
        };
        for (const Caso &k : {Caso{&c.Btn1, true, false, false, false}, Caso{&c.Btn2, false, true, false, false},
                              Caso{&c.Btn3, false, false, true, true}}) {
            c.ToolBarOtro.setEnabled(true);
            c.LabelInfo.setText(QStringLiteral("algo"));
            k.boton->click();
            QCOMPARE(c.ListaCat.visible(), k.cat);
            QCOMPARE(c.ListaSubCat.visible(), k.sub);
            QCOMPARE(c.ListaPro.visible(), k.pro);
            QVERIFY(!c.ListaMod.visible());
            QCOMPARE(c.ToolBar1.visible(), k.paginas);
            QCOMPARE(c.Captura.visible(), k.pro);
            QVERIFY(!c.ToolBarOtro.enabled());
            QVERIFY(c.LabelInfo.text().isEmpty());
            QVERIFY(k.boton->checked());
        }
        // Nothing was fetched again, and the lists kept their tiles.
        QCOMPARE(c.ListaCat.count(), 20);
        QCOMPARE(c.ListaPro.count(), 2);
        QCOMPARE(menu::filtrosPedidos(*p).size(), 1);
    }

    void demoSinServidor()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        p.f.setActiveTab(QStringLiteral("TabListaCat"));
        p.f.catalogo().CargarCategorias();
        QVERIFY(p.esperarTarea());
        QCOMPARE(c.ListaCat.count(), 4);
        QCOMPARE(c.ListaCat.tile(3).caption, QStringLiteral("BEBIDAS"));
        // A category goes straight to its dishes, although it carries one subcategory.
        c.ListaCat.click(0);
        QVERIFY(p.esperarTarea());
        QVERIFY(c.ListaPro.visible());
        QCOMPARE(c.ListaSubCat.count(), 0);
        QCOMPARE(c.ListaPro.count(), 5);
        QCOMPARE(c.ListaPro.tile(0).caption, QStringLiteral("Hot cakes\r$ 120.00"));
        QVERIFY(p.servicio->llamadas().isEmpty());
    }
};

QTEST_MAIN(TstCategorias)
#include "tst_categorias.moc"
