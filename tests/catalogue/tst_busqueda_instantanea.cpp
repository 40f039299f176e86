#include "MenuPrueba.h"
#include "catalogue/BusquedaLocal.h"
#include "catalogue/FiltroProductos.h"
#include "util/Textos.h"
#include <QtTest>

/// The instant search: the texts it compares, what it takes from the search box, and the
/// products the client already holds or saved showing as the waiter types, with no call
/// to the service; the search button still asks the service.
class TstBusquedaInstantanea : public QObject {
    Q_OBJECT

    static QString cat(int n) { return QStringLiteral("(PRODUCTO.NUCATEGORIA=%1)").arg(n); }

    /// Signed in to the fake server, which answers by filter from `menus` (missing: empty list).
    static std::unique_ptr<FormaPrueba> conMenu(const QHash<QString, TListaProducto> &menus)
    {
        auto p = std::make_unique<FormaPrueba>(FormaPrueba::iniServidor());
        p->servicio->respuestas.ListaProductoConFoto = [menus](const QString &w, bool) {
            return std::optional<TListaProducto>(menus.value(w));
        };
        if (!p->iniciarSesion())
            return nullptr;
        p->f.setActiveTab(QStringLiteral("TabListaCat"));
        return p;
    }

    static bool categoria(FormaPrueba &p, int n)
    {
        p.f.estado.NuCategoria = n;
        p.f.catalogo().CargarProductos(1, {});
        return menu::esperarProductos(p);
    }

    /// Types the text one character at a time, as the search box tells each keystroke.
    static void teclear(FormaPrueba &p, const QString &texto)
    {
        for (qsizetype i = 1; i <= texto.size(); ++i)
            p.f.controles.TextoP.edit(texto.left(i));
    }

    /// The descriptions ListaPro shows, in order, read through the products at their Tags.
    static QStringList mostrados(FormaPrueba &p)
    {
        QStringList r;
        const TileList &l = p.f.controles.ListaPro;
        for (int i = 0; i < l.count(); ++i) {
            const std::optional<TProducto> pr = p.f.estado.ListaProductos.ArrayProducto.value(l.tile(i).tag);
            r << (pr ? pr->Descripcion : QStringLiteral("?"));
        }
        return r;
    }

private slots:
    void normalizar_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("normal");
        QTest::newRow("vocales") << "á é í ó ú" << "a e i o u";
        QTest::newRow("mayúsculas acentuadas") << "ÁÉÍÓÚ" << "aeiou";
        QTest::newRow("diéresis") << "pingüino ÜÏ" << "pinguino ui";
        QTest::newRow("eñe") << "ñ Ñ" << "n n";
        QTest::newRow("tampiqueña") << "Tampiqueña" << "tampiquena";
        QTest::newRow("café en mayúsculas") << "CAFÉ" << "cafe";
        QTest::newRow("mezcla") << "CaFé Con LECHE y Piña 355ml" << "cafe con leche y pina 355ml";
        QTest::newRow("otras latinas") << "Crème Brûlée Çà" << "creme brulee ca";
        QTest::newRow("marca aparte") << QString::fromUtf16(u"n\u0303o") << "no";
        QTest::newRow("sin letras") << "3*7501 $-_." << "3*7501 $-_.";
        QTest::newRow("griego") << "ΆΛΦΑ" << "αλφα";
        QTest::newRow("vacío") << "" << "";
    }
    void normalizar()
    {
        QFETCH(QString, texto);
        QFETCH(QString, normal);
        QCOMPARE(Normalizar(texto), normal);
    }

    /// A quantity is the search button's business; what it would not load, the typing leaves.
    void textoInstantaneo_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("buscado");
        QTest::newRow("texto") << "coca" << "coca";
        QTest::newRow("con blancos") << "  coca light " << "coca light";
        QTest::newRow("cantidad y código") << "3*7501" << "7501";
        QTest::newRow("cantidad y texto") << "2*tampi" << "tampi";
        QTest::newRow("cantidad cero") << "0*7501" << "";
        QTest::newRow("cantidad que no es número") << "x*7501" << "";
        QTest::newRow("sin código") << "3*" << "";
        QTest::newRow("blanco") << " \t" << "";
        QTest::newRow("vacío") << "" << "";
    }
    void textoInstantaneo()
    {
        QFETCH(QString, texto);
        QFETCH(QString, buscado);
        QCOMPARE(TextoInstantaneo(texto), buscado);
    }

    /// Every word typed, anywhere in the description, the ID or a barcode.
    void coincide_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("encontrado");
        QTest::newRow("sin acento") << "tampiquena" << true;
        QTest::newRow("en mayúsculas") << "TAMPIQUEÑA" << true;
        QTest::newRow("parte de palabra") << "tamp" << true;
        QTest::newRow("dos palabras") << "carne tamp" << true;
        QTest::newRow("en otro orden") << "tamp carne" << true;
        QTest::newRow("una que falta") << "carne pollo" << false;
        QTest::newRow("otra cosa") << "pollo" << false;
        QTest::newRow("clave") << "7501" << true;
        QTest::newRow("código de barras") << "0755" << true;
        QTest::newRow("entre dos campos") << "7501 0755" << true;
        QTest::newRow("vacío") << "" << false;
    }
    void coincide()
    {
        QFETCH(QString, texto);
        QFETCH(bool, encontrado);
        TProducto p = menu::producto(QStringLiteral("7501"), QStringLiteral("Carne Tampiqueña"), 199);
        p.Barcode2 = QStringLiteral("75010755");
        QCOMPARE(Coincide(ClaveBusqueda(p), PalabrasBusqueda(texto)), encontrado);
    }

    /// A category of 2000 products: shown, paged, searched as typed and by the button.
    void categoriaGrandeBuscadaAlTeclear()
    {
        auto p = conMenu({{cat(1), menu::muchos(2000)},
                          {QStringLiteral("@tampiquena 17"), menu::productos({menu::producto("9", "Carne tampiqueña 17", 5)})}});
        QVERIFY(p);
        auto &c = p->f.controles;
        QVERIFY(categoria(*p, 1));
        QCOMPARE(c.ListaPro.count(), 2000);
        QCOMPARE(c.ListaPro.pageCount(), 223); // 9 tiles a page
        c.NextBtn.click();
        c.NextBtn.click();
        c.ListaPro.click(2 * 9 + 4);
        QCOMPARE(c.ListaPro.tile(c.ListaPro.selectedIndex()).caption, QStringLiteral("Flan napolitano 23\r$ 32.00"));

        teclear(*p, QStringLiteral("TAMPIQUEÑA"));
        QCOMPARE(c.ListaPro.count(), 250);
        QCOMPARE(c.ListaPro.pageCount(), 28);
        QCOMPARE(c.ListaPro.page(), 0);
        QCOMPARE(c.ListaPro.selectedIndex(), -1);
        c.NextBtn.click();
        QCOMPARE(c.ListaPro.tile(9).caption, QStringLiteral("Carne tampiqueña 73\r$ 82.00"));
        teclear(*p, QStringLiteral("tampiquena 177"));
        QCOMPARE(mostrados(*p), (QStringList{"Carne tampiqueña 177", "Carne tampiqueña 777", "Carne tampiqueña 1177",
                                             "Carne tampiqueña 1777"}));
        QCOMPARE(c.ListaPro.page(), 0);
        // One left: ready to add, as a list of one product.
        teclear(*p, QStringLiteral("tampiquena 1777"));
        QCOMPARE(mostrados(*p), QStringList{"Carne tampiqueña 1777"});
        QCOMPARE(c.ListaPro.selectedIndex(), 0);
        // A code after a quantity finds by the code; the quantity waits for the button.
        teclear(*p, QStringLiteral("2*2999"));
        QCOMPARE(mostrados(*p), QStringList{"Tacos al pastor 2000"}); // ID 2999
        QCOMPARE(c.Cantidad.text(), QStringLiteral("1"));
        teclear(*p, QStringLiteral("zzz"));
        QCOMPARE(c.ListaPro.count(), 0);
        QCOMPARE(menu::filtrosPedidos(*p), QStringList{cat(1)}); // typing asked nothing

        // An empty text brings back the list shown before, where it was.
        c.TextoP.edit({});
        QCOMPARE(c.ListaPro.count(), 2000);
        QCOMPARE(c.ListaPro.page(), 2);
        QCOMPARE(c.ListaPro.selectedIndex(), 2 * 9 + 4);
        QCOMPARE(p->f.estado.ListaProductos.Count, 2000);

        // The button asks the service with the text as typed; its answer takes the place
        // of what the typing found.
        teclear(*p, QStringLiteral("tampiquena 17"));
        c.BuscarProBtn.click();
        QVERIFY(menu::esperarProductos(*p));
        QCOMPARE(menu::filtrosPedidos(*p), (QStringList{cat(1), "@tampiquena 17"}));
        QCOMPARE(mostrados(*p), QStringList{"Carne tampiqueña 17"});
        QCOMPARE(p->f.estado.ListaProductos.Count, 1);
        QVERIFY(!c.ListaPro.filtered());
    }

    /// Products saved by an earlier category show too, once, and are added to the comanda
    /// as any product shown; they leave ListaProductos with the search.
    void productosGuardadosDeOtraCategoria()
    {
        TProducto flan = menu::producto("20", "Flan napolitano", 45, {"", "sin caramelo"}, "jpg-flan");
        flan.TasaIVA = 16;
        auto p = conMenu({{cat(1), menu::productos({flan, menu::producto("21", "Café de olla", 30)})},
                          {cat(2), menu::productos({menu::producto("21", "Café de olla", 30),
                                                    menu::producto("30", "Café americano", 25)})}});
        QVERIFY(p);
        auto &c = p->f.controles;
        QVERIFY(categoria(*p, 1));
        QVERIFY(categoria(*p, 2));
        QCOMPARE(p->f.estado.NumProductosGuardados(), 4);

        teclear(*p, QStringLiteral("cafe"));
        QTRY_VERIFY(p->f.catalogo().guardadosAlDia());
        // The held list first; the saved "Café de olla" is the one held: it shows once.
        QCOMPARE(mostrados(*p), (QStringList{"Café de olla", "Café americano"}));
        teclear(*p, QStringLiteral("flan"));
        QCOMPARE(mostrados(*p), QStringList{"Flan napolitano"});
        const Tile t = c.ListaPro.tile(0);
        QCOMPARE(t.tag, 2); // after the two products held
        QCOMPARE(t.caption, QStringLiteral("Flan napolitano\r$ 45.00"));
        QCOMPARE(menu::imagen(t), QByteArray("jpg-flan")); // from its saved picture file
        QCOMPARE(c.ListaPro.selectedIndex(), 0);
        c.AddPed.click();
        QVERIFY(c.ListaMod.visible()); // the saved dish keeps its modifiers
        c.ListaMod.click(12); // TERMINAR
        QCOMPARE(p->f.estado.PedidoActual.Count, 1);
        QCOMPARE(p->f.estado.PedidoActual.ArrayDetalle[0]->Producto, QStringLiteral("Flan napolitano"));
        QVERIFY(c.ListaPro.visible());

        c.TextoP.edit({});
        QCOMPARE(mostrados(*p), (QStringList{"Café de olla", "Café americano"}));
        QCOMPARE(p->f.estado.ListaProductos.ArrayProducto.size(), 2);
        QCOMPARE(menu::filtrosPedidos(*p), (QStringList{cat(1), cat(2)}));
    }

    /// A tap on a category during a search shows that category whole; the same category
    /// as held is not asked for again nor saved twice.
    void categoriaDuranteLaBusqueda()
    {
        auto p = conMenu({{cat(1), menu::muchos(30)}});
        QVERIFY(p);
        QVERIFY(categoria(*p, 1));
        teclear(*p, QStringLiteral("pozole"));
        QCOMPARE(p->f.controles.ListaPro.count(), 4);
        QVERIFY(categoria(*p, 1));
        QCOMPARE(p->f.controles.ListaPro.count(), 30);
        QVERIFY(!p->f.controles.ListaPro.filtered());
        QCOMPARE(menu::filtrosPedidos(*p), QStringList{cat(1)});
        QCOMPARE(p->f.estado.NumProductosGuardados(), 30);
        // The next keystroke starts from the list now shown.
        teclear(*p, QStringLiteral("pozole 4"));
        QCOMPARE(mostrados(*p), QStringList{"Pozole rojo 4"});
    }

    /// In demo mode the sample dishes, which live in the saved list, are found as typed.
    void demoBuscaLosPlatillosDeMuestra()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        p.f.setActiveTab(QStringLiteral("TabListaCat"));
        QVERIFY(categoria(p, 4));
        teclear(p, QStringLiteral("tampiquena"));
        QTRY_COMPARE(mostrados(p), QStringList{"Tampiqueña"});
        teclear(p, QStringLiteral("CAFÉ"));
        QCOMPARE(mostrados(p), QStringList{"Cafe"});
        QVERIFY(p.servicio->llamadas().isEmpty());
    }
};

QTEST_MAIN(TstBusquedaInstantanea)
#include "tst_busqueda_instantanea.moc"
