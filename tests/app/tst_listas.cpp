#include "FormaPrueba.h"
#include "app/ListaVista.h"
#include "app/TileList.h"
#include <QAbstractItemModelTester>
#include <QtTest>

/// The list models the screens draw: the tile lists and the row lists.
class TstListas : public QObject {
    Q_OBJECT
private slots:
    void modelosDeLasListas()
    {
        TileList tiles(QStringLiteral("ListaPro"));
        QAbstractItemModelTester t1(&tiles, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester t2(tiles.pageModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        tiles.setRows(2);
        tiles.setColumns(3);
        tiles.beginUpdate();
        for (int i = 0; i < 14; ++i)
            tiles.add({QStringLiteral("T%1").arg(i)});
        tiles.endUpdate();
        QCOMPARE(tiles.pageCount(), 3);
        QCOMPARE(tiles.pageModel()->rowCount(), 6);
        tiles.nextPage();
        tiles.nextPage();
        QCOMPARE(tiles.page(), 2);
        QCOMPARE(tiles.pageModel()->rowCount(), 2);
        QCOMPARE(tiles.pageModel()->data(tiles.pageModel()->index(0, 0), TileList::CaptionRole).toString(),
                 QStringLiteral("T12"));
        tiles.nextPage(); // past the last page: stays
        QCOMPARE(tiles.page(), 2);
        tiles.setSelectedIndex(13);
        QCOMPARE(tiles.selectedIndex(), 13);
        tiles.setSelectedIndex(99);
        QCOMPARE(tiles.selectedIndex(), -1);
        tiles.add({QStringLiteral("otro")});
        tiles.clear();
        QCOMPARE(tiles.page(), 0);

        ListaVista lista(QStringLiteral("Lista"));
        QAbstractItemModelTester t3(&lista, QAbstractItemModelTester::FailureReportingMode::QtTest);
        lista.beginUpdate();
        lista.add(ListaVista::Encabezado, QStringLiteral("Mesa 1"));
        lista.add(ListaVista::Item, QStringLiteral("12:  - Ana (4)"), QStringLiteral("$ 100.00"));
        lista.endUpdate();
        lista.add(ListaVista::Cierre, QStringLiteral("Total Cuenta: $ 100.00"));
        QCOMPARE(lista.count(), 3);
        lista.clear();
        QCOMPARE(lista.count(), 0);
    }

    void dibujoDeLasTiles()
    {
        TileList tiles(QStringLiteral("ListaMod"));
        tiles.add({QStringLiteral("a")});
        tiles.setCustomizer([](const TileList &, int, AspectoTile &a) {
            a.relleno = Qt::yellow;
            throw std::runtime_error("a failure while drawing keeps the look so far");
        });
        QCOMPARE(tiles.look(0).relleno, QColor(Qt::yellow));
        QCOMPARE(tiles.data(tiles.index(0), TileList::FillRole).value<QColor>(), QColor(Qt::yellow));
    }
};

QTEST_MAIN(TstListas)
#include "tst_listas.moc"
