// The generated menu: a category of N products with pictures, made on request, that
// the client can show, page and search; in process and through the running sim.
#include "RestauranteDePrueba.h"
#include "SimProceso.h"
#include "service/SoapClient.h"
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TstMenuGenerado : public QObject {
    Q_OBJECT

    static TListaProducto Productos(int generados, int bytesFoto, const QString &donde, bool foto)
    {
        RestauranteDePrueba m;
        m.ajustes.productos_generados = generados;
        m.ajustes.bytes_foto_generada = bytesFoto;
        return *m.r.ListaProductoConFoto(kUser, kPass, donde, foto);
    }

private slots:
    void filtros_data()
    {
        QTest::addColumn<int>("generados");
        QTest::addColumn<QString>("donde");
        QTest::addColumn<QStringList>("primeros"); // IDs of the generated products, the first ones
        QTest::addColumn<int>("cuantos");          // generated products in the list
        QTest::newRow("categoría: todos, en orden") << 2000 << u"(PRODUCTO.NUCATEGORIA=90)"_s
                                                    << QStringList{u"900001"_s, u"900002"_s} << 2000;
        QTest::newRow("subcategoría") << 2000 << u"(PRODUCTO.NUCATEGORIA=90) and (PRODUCTO.NUSUBCATEGORIA=901)"_s
                                      << QStringList{u"900001"_s} << 2000;
        QTest::newRow("otra subcategoría") << 2000
                                           << u"(PRODUCTO.NUCATEGORIA=90) and (PRODUCTO.NUSUBCATEGORIA=902)"_s
                                           << QStringList{} << 0;
        QTest::newRow("texto: uno solo") << 2000 << u"@GENERADO 1999"_s << QStringList{u"901999"_s} << 1;
        QTest::newRow("texto: varios") << 2000 << u"@generado 20"_s << QStringList{u"900020"_s, u"900200"_s} << 12;
        QTest::newRow("código") << 2000 << u"#900005"_s << QStringList{u"900005"_s} << 1;
        QTest::newRow("sin el ajuste no hay generados") << 0 << u"(PRODUCTO.NUCATEGORIA=90)"_s << QStringList{} << 0;
    }
    void filtros()
    {
        QFETCH(int, generados);
        QFETCH(QString, donde);
        QFETCH(QStringList, primeros);
        QFETCH(int, cuantos);
        const TListaProducto l = Productos(generados, 1024, donde, false);
        QStringList ids;
        for (const auto &p : l.ArrayProducto)
            if (p->NuCategoria == 90)
                ids << p->ID;
        QCOMPARE(ids.size(), cuantos);
        QCOMPARE(ids.first(std::min(ids.size(), primeros.size())), primeros);
        QCOMPARE(l.Count, l.ArrayProducto.size());
    }

    void fotosDelTamanoPedido()
    {
        const TListaProducto l = Productos(300, 20480, u"(PRODUCTO.NUCATEGORIA=90)"_s, true);
        QSet<QByteArray> distintas;
        for (const auto &p : l.ArrayProducto) {
            QCOMPARE(p->Foto.size(), 20480);
            QVERIFY(p->Foto.startsWith("\xFF\xD8")); // a JPEG tile, then the padding
            distintas.insert(p->Foto);
        }
        QCOMPARE(distintas.size(), 300);
        QCOMPARE(Productos(300, 20480, u"(PRODUCTO.NUCATEGORIA=90)"_s, true).ArrayProducto[7]->Foto,
                 l.ArrayProducto[7]->Foto); // the same settings give the same bytes
        QVERIFY(Productos(300, 20480, u"(PRODUCTO.NUCATEGORIA=90)"_s, false).ArrayProducto[7]->Foto.isEmpty());
    }

    void categoria()
    {
        RestauranteDePrueba m;
        const int antes = m.r.ObtenerCategoriasPOS(kUser, kPass, false)->Count;
        m.ajustes.productos_generados = 10;
        const TListaCategoria c = *m.r.ObtenerCategoriasPOS(kUser, kPass, true);
        QCOMPARE(c.Count, antes + 1);
        const TCategoria &g = *c.ArrayCategoria.constLast();
        QCOMPARE(std::tuple(g.NuCategoria, g.Descripcion), std::tuple(90, u"Generados"_s));
        QVERIFY(!g.Foto.isEmpty());
        QCOMPARE(g.ListaSubCategoria->ArraySubCategoria.constFirst()->NuSubCategoria, 901);
    }

    void ajusteFueraDeRango_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<bool>("admitido");
        QTest::newRow("2000 productos") << u"productos_generados"_s << u"2000"_s << true;
        QTest::newRow("negativo") << u"productos_generados"_s << u"-1"_s << false;
        QTest::newRow("foto de 1 KB") << u"bytes_foto_generada"_s << u"1024"_s << true;
        QTest::newRow("foto de más de 64 MB") << u"bytes_foto_generada"_s << u"70000000"_s << false;
    }
    void ajusteFueraDeRango()
    {
        QFETCH(QString, clave);
        QFETCH(QString, valor);
        QFETCH(bool, admitido);
        AjustesSim a;
        QCOMPARE(a.aplicarTexto(clave, valor).isEmpty(), admitido);
    }

    void desdeLaLineaDeComandos()
    {
        // What a client test does: start the sim with the switch and read the list.
        SimProceso sim({u"--productos-generados"_s, u"2000"_s, u"--bytes-foto-generada"_s, u"1024"_s});
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        SoapClient cliente;
        cliente.setDireccion(sim.wsdl());
        const auto l = cliente.itrazen()->ListaProductoConFoto(kUser, kPass, u"(PRODUCTO.NUCATEGORIA=90)"_s, true);
        QVERIFY(l);
        QCOMPARE(l->Count, 2000);
        QCOMPARE(l->ArrayProducto.constLast()->ID, u"902000"_s);
        QCOMPARE(l->ArrayProducto.constLast()->Foto.size(), 1024);
    }
};

QTEST_MAIN(TstMenuGenerado)
#include "tst_menu_generado.moc"
