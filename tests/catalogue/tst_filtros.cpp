#include "MenuPrueba.h"
#include "catalogue/FiltroProductos.h"
#include <QtTest>

/// The product filters: the grammar the service reads, and what a typed search sends.
class TstFiltros : public QObject {
    Q_OBJECT
private slots:
    void filtro_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("categoria");
        QTest::addColumn<int>("sub");
        QTest::addColumn<QString>("filtro");
        QTest::newRow("categoria") << 1 << "" << 5 << 12 << "(PRODUCTO.NUCATEGORIA=5)";
        QTest::newRow("subcategoria") << 2 << "" << 5 << 12
                                      << "(PRODUCTO.NUCATEGORIA=5) and (PRODUCTO.NUSUBCATEGORIA=12)";
        QTest::newRow("sin separador de miles") << 1 << "" << 12345678 << 0 << "(PRODUCTO.NUCATEGORIA=12345678)";
        QTest::newRow("negativo") << 2 << "" << -3 << -40 << "(PRODUCTO.NUCATEGORIA=-3) and (PRODUCTO.NUSUBCATEGORIA=-40)";
        QTest::newRow("texto tal cual") << 3 << " Coca " << 0 << 0 << "@ Coca ";
        QTest::newRow("codigo") << 4 << "7501" << 0 << 0 << "#7501";
        QTest::newRow("otro tipo") << 9 << "x" << 5 << 12 << "";
    }
    void filtro()
    {
        QFETCH(int, tipo);
        QFETCH(QString, texto);
        QFETCH(int, categoria);
        QFETCH(int, sub);
        QTEST(FiltroProductos(tipo, texto, categoria, sub), "filtro");
    }

    /// A search typed in TextoP and sent with the search button: what the service is
    /// asked for ("" for nothing) and what the quantity box then holds.
    void busqueda_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("cantidad");
        QTest::newRow("texto") << "coca" << "@coca" << "1";
        QTest::newRow("espacios se conservan") << "  coca light " << "@  coca light " << "1";
        QTest::newRow("cantidad y codigo") << "3*7501" << "#7501" << "3";
        QTest::newRow("codigo sin recortar, hasta el primer asterisco") << "2* 75*01 " << "# 75*01 " << "2";
        QTest::newRow("cantidad fraccionaria") << "1.5*7501" << "#7501" << "1.5";
        QTest::newRow("cantidad cero") << "0*7501" << "" << "1";
        QTest::newRow("cantidad ilegible") << "x*7501" << "" << "1";
        QTest::newRow("cantidad negativa") << "-2*7501" << "" << "1";
        QTest::newRow("sin codigo") << "3*" << "" << "1";
        QTest::newRow("codigo en blanco") << "3*  " << "" << "1";
        QTest::newRow("en blanco") << " \t " << "" << "1";
    }
    void busqueda()
    {
        QFETCH(QString, texto);
        QFETCH(QString, where);
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        c.TextoP.edit(texto);
        c.BuscarProBtn.click();
        QVERIFY(p.esperarTarea());
        QCOMPARE(menu::filtrosPedidos(p), where.isEmpty() ? QStringList() : QStringList{where});
        QTEST(c.Cantidad.text(), "cantidad");
        if (!where.isEmpty())
            QCOMPARE(p.f.estado.UltimoFiltro, where);
    }

    // After a search, and after one that has nothing to search, the products take the focus.
    void busquedaDaElFocoALosProductos_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("a search") << "coca";
        QTest::newRow("nothing to search") << "";
        QTest::newRow("a quantity that is no number") << "x*7501";
    }
    void busquedaDaElFocoALosProductos()
    {
        QFETCH(QString, texto);
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        QSignalSpy foco(&p.f.controles.ListaPro, &TileList::focusRequested);
        p.f.controles.TextoP.edit(texto);
        p.f.controles.BuscarProBtn.click();
        QVERIFY(p.esperarTarea());
        QCOMPARE(foco.count(), 1);
    }

    void enterBusca()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        p.f.controles.TextoP.edit(QStringLiteral("coca"));
        p.f.catalogo().TextoPKeyDown(Qt::Key_A);
        QVERIFY(p.esperarTarea());
        QVERIFY(menu::filtrosPedidos(p).isEmpty());
        p.f.catalogo().TextoPKeyDown(Qt::Key_Return);
        QVERIFY(p.esperarTarea());
        QCOMPARE(menu::filtrosPedidos(p), QStringList{"@coca"});
    }
};

QTEST_MAIN(TstFiltros)
#include "tst_filtros.moc"
