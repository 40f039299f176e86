#include "MenuPrueba.h"
#include "Pantalla.h"
#include "app/Ajustes.h"
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QtTest>

/// The catalogue screen in the real window: drawn, captured under the build folder, and
/// driven by taps from a category to a line with modifiers.
class TstPantallaCatalogo : public QObject {
    Q_OBJECT

    /// A small JPEG of one colour with a label, as the server sends pictures.
    static QByteArray foto(const QColor &color, const QString &texto)
    {
        QImage img(160, 120, QImage::Format_RGB32);
        img.fill(color);
        QPainter pintor(&img);
        pintor.setPen(Qt::white);
        pintor.setFont(QFont(QStringLiteral("Sans"), 20, QFont::Bold));
        pintor.drawText(img.rect(), Qt::AlignCenter, texto);
        pintor.end();
        QByteArray bytes;
        QBuffer b(&bytes);
        b.open(QIODevice::WriteOnly);
        img.save(&b, "JPG");
        return bytes;
    }

private slots:
    void demoDeCategoriaALinea()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        Pantalla v(p.f);
        p.f.setActiveTab(QStringLiteral("TabListaCat"));
        p.f.catalogo().CargarCategorias();
        QVERIFY(p.esperarTarea());
        v.dibujar();
        for (const char *n : {"Btn1", "Btn3", "ListaCat_tile_3", "ToolBar1", "PriorBtn", "NextBtn"})
            QVERIFY2(v.seVe(QString::fromLatin1(n)), n);
        QVERIFY(!v.seVe(QStringLiteral("Btn2"))); // hidden in demo mode
        QVERIFY(!v.seVe(QStringLiteral("Captura")));
        QVERIFY(!v.seVe(QStringLiteral("ToolBarOtro")));
        QVERIFY(!v.capturar(QStringLiteral("catalogo_categorias_demo.png")).isEmpty());

        QVERIFY(v.tocar(QStringLiteral("ListaCat_tile_1"))); // COMIDAS
        QVERIFY(p.esperarTarea());
        v.dibujar();
        for (const char *n : {"Captura", "TextoP", "BuscarProBtn", "Cantidad", "AddPed", "ListaPro_tile_5"})
            QVERIFY2(v.seVe(QString::fromLatin1(n)), n);
        QVERIFY(v.tocar(QStringLiteral("ListaPro_tile_2"))); // Tampiqueña
        QVERIFY(v.tocar(QStringLiteral("Cantidad_mas")));
        QCOMPARE(p.f.controles.Cantidad.value(), 2.0);
        QVERIFY(v.tocar(QStringLiteral("AddPed")));
        // Tampiqueña offers modifiers.
        QVERIFY(v.seVe(QStringLiteral("ListaMod_tile_0")));
        QVERIFY(v.seVe(QStringLiteral("ListaMod_tile_12")));
        QVERIFY(v.tocar(QStringLiteral("ListaMod_tile_5")));
        QVERIFY(v.tocar(QStringLiteral("ListaMod_tile_11"))); // OTRO
        QVERIFY(v.seVe(QStringLiteral("ToolBarOtro")));
        QVERIFY(v.escribir(QStringLiteral("ModPer"), QStringLiteral("salsa aparte")));
        QVERIFY(v.tocar(QStringLiteral("ModPerBtn")));
        QCOMPARE(p.f.estado.EspPendiente[5], QStringLiteral("salsa aparte"));
        QVERIFY(!v.capturar(QStringLiteral("catalogo_modificadores.png")).isEmpty());

        QVERIFY(v.tocar(QStringLiteral("ListaMod_tile_12"))); // TERMINAR
        QCOMPARE(p.f.estado.PedidoActual.Count, 1);
        QCOMPARE(p.f.estado.PedidoActual.ArrayDetalle[0]->Esp1, QStringLiteral("Término medio"));
        QCOMPARE(p.f.estado.PedidoActual.ArrayDetalle[0]->Cantidad, 2.0);
        QVERIFY(v.seVe(QStringLiteral("LabelInfo")));
        QVERIFY(v.seVe(QStringLiteral("ComandaBtn")));
        QVERIFY(!v.capturar(QStringLiteral("catalogo_productos_demo.png")).isEmpty());

        // A search typed and sent with Enter.
        QVERIFY(v.escribir(QStringLiteral("TextoP"), QStringLiteral("2*3423")));
        v.tecla(Qt::Key_Return);
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.estado.UltimoFiltro, QStringLiteral("#3423"));
        QCOMPARE(p.f.controles.Cantidad.value(), 2.0);
    }

    void servidorConImagenesYPaginas()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QList<TCategoria> cats;
        const QStringList nombres{"Desayunos", "Comidas corridas", "Cenas", "Bebidas", "Postres", "Antojitos",
                                  "Mariscos", "Ensaladas", "Niños", "Promociones del día"};
        for (int i = 0; i < nombres.size(); ++i)
            cats << menu::categoria(i + 1, nombres[i], foto(QColor::fromHsv(i * 36, 160, 170), nombres[i].left(3)),
                                    {menu::subcategoria(100 + i, "Sub " + nombres[i])});
        p.servicio->respuestas.ObtenerCategoriasPOS = [cats](bool) {
            return std::optional<TListaCategoria>(menu::categorias(cats));
        };
        QList<TProducto> pros;
        for (int i = 0; i < 11; ++i)
            pros << menu::producto(QString::number(7500 + i), QStringLiteral("PLATILLO NÚMERO %1 DE LA CASA").arg(i + 1),
                                   1234.5 + i, {}, foto(QColor::fromHsv(200, 120, 90 + i * 10), QString::number(i + 1)));
        menu::responderProductos(p, menu::productos(pros));
        QVERIFY(p.iniciarSesion());
        Pantalla v(p.f);
        p.f.setActiveTab(QStringLiteral("TabListaCat"));
        p.f.catalogo().CargarCategorias();
        QVERIFY(p.esperarTarea());
        v.dibujar();
        QVERIFY(v.seVe(QStringLiteral("PaginasCatalogo")));
        QVERIFY(!v.capturar(QStringLiteral("catalogo_categorias.png")).isEmpty());
        QVERIFY(v.tocar(QStringLiteral("NextBtn")));
        QCOMPARE(p.f.controles.ListaCat.page(), 1);
        QVERIFY(v.tocar(QStringLiteral("ListaCat_tile_9")));
        QVERIFY(v.seVe(QStringLiteral("ListaSubCat_tile_0")));
        QVERIFY(v.seVe(QStringLiteral("Btn2")));
        QVERIFY(!v.capturar(QStringLiteral("catalogo_subcategorias.png")).isEmpty());
        QVERIFY(v.tocar(QStringLiteral("ListaSubCat_tile_0")));
        QVERIFY(p.esperarTarea());
        v.dibujar();
        QVERIFY(v.seVe(QStringLiteral("ListaPro_tile_8")));
        QVERIFY(!v.capturar(QStringLiteral("catalogo_productos.png")).isEmpty());
        QVERIFY(v.tocar(QStringLiteral("Btn1")));
        QVERIFY(v.seVe(QStringLiteral("ListaCat_tile_0")));
        QVERIFY(!v.seVe(QStringLiteral("ToolBar1")));

        // Without pictures: more rows of captions.
        p.f.controles.SwitchP.setChecked(false);
        p.f.ajustes().SetSettings();
        QVERIFY(v.tocar(QStringLiteral("Btn3")));
        QVERIFY(v.seVe(QStringLiteral("ListaPro_tile_10")));
        QVERIFY(!v.capturar(QStringLiteral("catalogo_productos_sin_imagen.png")).isEmpty());
    }
};

QTEST_MAIN(TstPantallaCatalogo)
#include "tst_pantalla_catalogo.moc"
