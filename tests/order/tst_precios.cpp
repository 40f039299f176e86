#include "order/CalcularDetalle.h"
#include "order/ReglaPrecio.h"
#include "util/Regional.h"
#include <QtTest>
#include <cmath>

namespace {
const double TC = 18.99; // sale exchange rate of the company

struct Linea {
    PrecioLinea precio;
    TDetalle detalle;
};

/// A new line for a product as the add button makes it: the price rule, then the amounts.
Linea lineaDe(const ReglasEmpresa &reglas, double lista, int moneda, double tasaIVA, double tasaIEPS,
              double cantidad)
{
    TProducto p;
    p.Precio = lista;
    p.NuMoneda = moneda;
    p.TasaIVA = tasaIVA;
    p.TasaIEPS = tasaIEPS;
    Linea l;
    l.precio = ReglaPrecio(p, reglas);
    l.detalle.Precio = l.precio.Precio;
    l.detalle.Cantidad = cantidad;
    l.detalle.TasaIVA = tasaIVA;
    l.detalle.TasaIEPS = tasaIEPS;
    l.detalle = CalcularDetalle(l.detalle, reglas);
    return l;
}

qint64 centavos(double v) { return std::llround(v * 100); }
} // namespace

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
        QTest::newRow("IVA incluido con IEPS: el IEPS como sin IVA incluido")
            << true << 0 << 100.0 << 1 << 16.0 << 8.0 << 1.0 << 100.0 << 80.645161 << 12.90322576 << 6.45161288
            << 99.99999964;
        QTest::newRow("R6 redondea hacia arriba en el sexto decimal")
            << false << 0 << 1.0 << 1 << 0.0 << 3.0 << 1.0 << 1.0 << 0.970874 << 0.0 << 0.02912622 << 1.00000022;

        // Currency 2: converted first, also when an IEPS formula gives the price.
        QTest::newRow("moneda 2 sin IEPS: se convierte")
            << false << 0 << 10.0 << 2 << 16.0 << 0.0 << 1.0 << 189.9 << 189.9 << 30.384 << 0.0 << 220.284;
        QTest::newRow("moneda 2 con IEPS: Precio del precio convertido")
            << false << 0 << 10.0 << 2 << 16.0 << 8.0 << 1.0 << 189.9 << 153.145161 << 24.50322576 << 12.25161288
            << 189.89999964; // 153.145161 × 1.24
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

        const Linea l = lineaDe({ivaIncluido, op, TC}, lista, moneda, tasaIVA, tasaIEPS, cantidad);
        const PrecioLinea &linea = l.precio;
        const TDetalle &d = l.detalle;

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

    /// A line whose quantity changes keeps an IEPS set before when the mode computes none,
    /// whether prices include IVA or not.
    void modoDesconocidoConservaIEPS()
    {
        TDetalle d;
        d.Precio = 10;
        d.Cantidad = 1;
        d.IEPS = 5;
        d = CalcularDetalle(d, {false, 7, 0});
        QCOMPARE(d.IEPS, 5.0);
        QCOMPARE(d.Total, 15.0);
        d = CalcularDetalle(d, {true, 7, 0});
        QCOMPARE(d.IEPS, 5.0);
    }

    /// Worked examples: a line charges what the menu asks. When the list price is final
    /// (IVA included, or an IEPS formula takes both taxes out of it) SubTotal + IVA + IEPS
    /// is the list price in pesos times the quantity, to the cent; otherwise IVA comes on top.
    void totalesDeLinea_data()
    {
        QTest::addColumn<bool>("ivaIncluido");
        QTest::addColumn<int>("op");
        QTest::addColumn<double>("lista");
        QTest::addColumn<int>("moneda");
        QTest::addColumn<double>("tasaIVA");
        QTest::addColumn<double>("tasaIEPS");
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<double>("cobro"); // what the menu asks for the line
        QTest::addColumn<double>("subTotal");
        QTest::addColumn<double>("iva");
        QTest::addColumn<double>("ieps");

        QTest::newRow("incluido, sin IEPS") << true << 0 << 116.0 << 1 << 16.0 << 0.0 << 1.0 << 116.0 * 1 << 100.0
                                            << 16.0 << 0.0;
        QTest::newRow("incluido, modo 0: tres cervezas de $55")
            << true << 0 << 55.0 << 1 << 16.0 << 26.5 << 3.0 << 55.0 * 3 << 115.79 << 18.53 << 30.68;
        QTest::newRow("incluido, modo 0: un flan de $55")
            << true << 0 << 55.0 << 1 << 16.0 << 8.0 << 1.0 << 55.0 * 1 << 44.35 << 7.10 << 3.55;
        QTest::newRow("incluido, modo 1") << true << 1 << 100.0 << 1 << 16.0 << 8.0 << 2.0 << 100.0 * 2 << 159.64
                                          << 25.54 << 14.81;
        QTest::newRow("incluido, modo 2") << true << 2 << 100.0 << 1 << 16.0 << 8.0 << 2.0 << 100.0 * 2 << 159.64
                                          << 27.59 << 12.77;
        QTest::newRow("incluido, dolares sin IEPS")
            << true << 0 << 10.0 << 2 << 16.0 << 0.0 << 3.0 << 10 * TC * 3 << 491.12 << 78.58 << 0.0;
        QTest::newRow("incluido, dolares, modo 0")
            << true << 0 << 10.0 << 2 << 16.0 << 8.0 << 3.0 << 10 * TC * 3 << 459.44 << 73.51 << 36.75;
        QTest::newRow("incluido, dolares, modo 2")
            << true << 2 << 10.0 << 2 << 16.0 << 26.5 << 1.0 << 10 * TC * 1 << 129.41 << 26.19 << 34.29;
        QTest::newRow("no incluido, sin IEPS: el IVA se suma")
            << false << 0 << 116.0 << 1 << 16.0 << 0.0 << 1.0 << 116.0 * 1.16 << 116.0 << 18.56 << 0.0;
        QTest::newRow("no incluido, modo 0") << false << 0 << 55.0 << 1 << 16.0 << 26.5 << 3.0 << 55.0 * 3
                                             << 115.79 << 18.53 << 30.68;
        QTest::newRow("no incluido, modo 1") << false << 1 << 100.0 << 1 << 16.0 << 8.0 << 2.0 << 100.0 * 2
                                             << 159.64 << 25.54 << 14.81;
        QTest::newRow("no incluido, modo 2") << false << 2 << 100.0 << 1 << 16.0 << 8.0 << 2.0 << 100.0 * 2
                                             << 159.64 << 27.59 << 12.77;
        QTest::newRow("no incluido, dolares sin IEPS: el IVA se suma")
            << false << 0 << 10.0 << 2 << 16.0 << 0.0 << 3.0 << 10 * TC * 3 * 1.16 << 569.70 << 91.15 << 0.0;
        QTest::newRow("no incluido, dolares, modo 1")
            << false << 1 << 10.0 << 2 << 16.0 << 8.0 << 3.0 << 10 * TC * 3 << 454.74 << 72.76 << 42.20;
        QTest::newRow("no incluido, dolares, modo 2")
            << false << 2 << 10.0 << 2 << 16.0 << 26.5 << 1.0 << 10 * TC * 1 << 129.41 << 26.19 << 34.29;
    }
    void totalesDeLinea()
    {
        QFETCH(bool, ivaIncluido);
        QFETCH(int, op);
        QFETCH(double, lista);
        QFETCH(int, moneda);
        QFETCH(double, tasaIVA);
        QFETCH(double, tasaIEPS);
        QFETCH(double, cantidad);
        QFETCH(double, cobro);
        QFETCH(double, subTotal);
        QFETCH(double, iva);
        QFETCH(double, ieps);

        const TDetalle d = lineaDe({ivaIncluido, op, TC}, lista, moneda, tasaIVA, tasaIEPS, cantidad).detalle;
        QCOMPARE(centavos(d.SubTotal + d.IVA + d.IEPS), centavos(cobro));
        QCOMPARE(centavos(d.Total), centavos(cobro));
        QCOMPARE(centavos(d.SubTotal), centavos(subTotal));
        QCOMPARE(centavos(d.IVA), centavos(iva));
        QCOMPARE(centavos(d.IEPS), centavos(ieps));
    }

    /// An IEPS rate that is not a number still takes the formula, whose result is then 0:
    /// the line never carries a NaN price to the server.
    void tasaIEPSIlegibleDaPrecioCero_data()
    {
        QTest::addColumn<bool>("ivaIncluido");
        QTest::addColumn<int>("op");
        for (const bool incluido : {false, true})
            for (const int op : {0, 1, 2})
                QTest::addRow("%s, modo %d", incluido ? "incluido" : "no incluido", op) << incluido << op;
    }
    void tasaIEPSIlegibleDaPrecioCero()
    {
        QFETCH(bool, ivaIncluido);
        QFETCH(int, op);
        const Linea linea = lineaDe({ivaIncluido, op, TC}, 55, 1, 16, std::nan(""), 1);
        const PrecioLinea &l = linea.precio;
        QCOMPARE(l.Precio, 0.0);
        QCOMPARE(l.PreOri, 55.0);
        // No amount of the line is NaN: it would reach the server and every total.
        QCOMPARE(linea.detalle.IEPS, 0.0);
        QCOMPARE(linea.detalle.Total, 0.0);
    }
};

QTEST_GUILESS_MAIN(TstPrecios)
#include "tst_precios.moc"
