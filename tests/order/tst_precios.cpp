#include "order/CalcularDetalle.h"
#include "order/ReglaPrecio.h"
#include "util/Regional.h"
#include <QtTest>
#include <cmath>

/// The price of a new line and its amounts, for every tax setting the company can have.
class TstPrecios : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setRegional({QStringLiteral("."), QStringLiteral(","), QStringLiteral("$")}); }

    void lineaNueva_data()
    {
        QTest::addColumn<bool>("ivaIncluido");
        QTest::addColumn<int>("op");
        QTest::addColumn<double>("lista");
        QTest::addColumn<int>("moneda");
        QTest::addColumn<double>("tasaIVA");
        QTest::addColumn<double>("tasaIEPS");
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<double>("preOri");
        QTest::addColumn<double>("precio");
        QTest::addColumn<double>("iva");
        QTest::addColumn<double>("ieps");
        QTest::addColumn<double>("total");

        // Without IEPS the rule only converts the currency and takes IVA out when included.
        QTest::newRow("IVA incluido: 116 da 100, 16 y 116")
            << true << 0 << 116.0 << 1 << 16.0 << 0.0 << 1.0 << 116.0 << 100.0 << 16.0 << 0.0 << 116.0;
        QTest::newRow("IVA no incluido: 116 da 134.56")
            << false << 0 << 116.0 << 1 << 16.0 << 0.0 << 1.0 << 116.0 << 116.0 << 18.56 << 0.0 << 134.56;
        QTest::newRow("cantidad fraccionaria en los importes")
            << false << 0 << 10.0 << 1 << 16.0 << 0.0 << 2.5 << 10.0 << 10.0 << 4.0 << 0.0 << 29.0;

        // IEPS: three ways of stacking it with IVA, each from the list price, rounded to six decimals.
        QTest::newRow("IEPS modo 0")
            << false << 0 << 100.0 << 1 << 16.0 << 8.0 << 1.0 << 100.0 << 80.645161 << 12.90322576 << 6.45161288
            << 99.99999964;
        QTest::newRow("IEPS modo 1: IEPS sobre subtotal e IVA")
            << false << 1 << 100.0 << 1 << 16.0 << 8.0 << 1.0 << 100.0 << 79.821201 << 12.77139216 << 7.40740745
            << 100.00000061;
        QTest::newRow("IEPS modo 2: IVA sobre subtotal e IEPS")
            << false << 2 << 100.0 << 1 << 16.0 << 8.0 << 1.0 << 100.0 << 79.821201 << 13.79310353 << 6.38569608
            << 100.00000061;
        QTest::newRow("IEPS modo desconocido: precio y IEPS sin tocar")
            << false << 3 << 100.0 << 1 << 16.0 << 8.0 << 1.0 << 100.0 << 100.0 << 16.0 << 0.0 << 116.0;
        QTest::newRow("IVA incluido con IEPS: la formula parte del precio de lista y el IEPS queda en 0")
            << true << 0 << 100.0 << 1 << 16.0 << 8.0 << 1.0 << 100.0 << 80.645161 << 12.90322576 << 0.0
            << 93.54838676;
        QTest::newRow("R6 redondea hacia arriba en el sexto decimal")
            << false << 0 << 1.0 << 1 << 0.0 << 3.0 << 1.0 << 1.0 << 0.970874 << 0.0 << 0.02912622 << 1.00000022;

        // Currency 2: PreOri converted; Precio converted only while no IEPS formula applies.
        QTest::newRow("moneda 2 sin IEPS: se convierte")
            << false << 0 << 10.0 << 2 << 16.0 << 0.0 << 1.0 << 189.9 << 189.9 << 30.384 << 0.0 << 220.284;
        QTest::newRow("moneda 2 con IEPS: Precio del precio sin convertir")
            << false << 0 << 10.0 << 2 << 16.0 << 8.0 << 1.0 << 189.9 << 8.064516 << 1.29032256 << 0.64516128
            << 9.99999984; // 8.064516 × 1.24
    }

    void lineaNueva()
    {
        QFETCH(bool, ivaIncluido);
        QFETCH(int, op);
        QFETCH(double, lista);
        QFETCH(int, moneda);
        QFETCH(double, tasaIVA);
        QFETCH(double, tasaIEPS);
        QFETCH(double, cantidad);
        QFETCH(double, preOri);
        QFETCH(double, precio);
        QFETCH(double, iva);
        QFETCH(double, ieps);
        QFETCH(double, total);

        const ReglasEmpresa reglas{ivaIncluido, op, 18.99};
        TProducto p;
        p.Precio = lista;
        p.NuMoneda = moneda;
        p.TasaIVA = tasaIVA;
        p.TasaIEPS = tasaIEPS;
        const PrecioLinea linea = ReglaPrecio(p, reglas);

        TDetalle d;
        d.Precio = linea.Precio;
        d.Cantidad = cantidad;
        d.TasaIVA = tasaIVA;
        d.TasaIEPS = tasaIEPS;
        d = CalcularDetalle(d, reglas);

        // Prices are exact to the sixth decimal; amounts are never rounded.
        const auto cerca = [](double a, double b, double tol) { return std::fabs(a - b) < tol; };
        QVERIFY2(cerca(linea.PreOri, preOri, 1e-9), qPrintable(QString::number(linea.PreOri, 'f', 9)));
        QVERIFY2(cerca(linea.Precio, precio, 1e-9), qPrintable(QString::number(linea.Precio, 'f', 9)));
        QVERIFY2(cerca(d.SubTotal, linea.Precio * cantidad, 1e-12), "SubTotal = Precio × Cantidad");
        QVERIFY2(cerca(d.IVA, iva, 1e-7), qPrintable(QString::number(d.IVA, 'f', 9)));
        QVERIFY2(cerca(d.IEPS, ieps, 1e-7), qPrintable(QString::number(d.IEPS, 'f', 9)));
        QVERIFY2(cerca(d.Total, total, 1e-6), qPrintable(QString::number(d.Total, 'f', 9)));
        QVERIFY2(cerca(d.Total, d.SubTotal + d.IVA + d.IEPS, 1e-12), "Total = SubTotal + IVA + IEPS");
    }

    /// A line whose quantity changes keeps an IEPS set before when the mode computes none.
    void modoDesconocidoConservaIEPS()
    {
        TDetalle d;
        d.Precio = 10;
        d.Cantidad = 1;
        d.IEPS = 5;
        d = CalcularDetalle(d, {false, 7, 0});
        QCOMPARE(d.IEPS, 5.0);
        QCOMPARE(d.Total, 15.0);
        d = CalcularDetalle(d, {true, 0, 0});
        QCOMPARE(d.IEPS, 5.0);
    }
};

QTEST_GUILESS_MAIN(TstPrecios)
#include "tst_precios.moc"
