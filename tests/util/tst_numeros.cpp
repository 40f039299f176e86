#include "util/Numeros.h"
#include "util/Regional.h"
#include <QtTest>
#include <cmath>

/// Reading numbers tolerantly and formatting amounts, exact at their edges.
class TstNumeros : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setRegional({QStringLiteral("."), QStringLiteral(","), QStringLiteral("$")}); }

    void leerEntero_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("valor");
        QTest::newRow("miles") << "4,567" << 4567;
        QTest::newRow("blancos") << " 12 " << 12;
        QTest::newRow("hex con $") << "$1A" << 26;
        QTest::newRow("hex con 0x") << "0x1f" << 31;
        QTest::newRow("hex con x") << "x10" << 16;
        QTest::newRow("negativo") << "-5" << -5;
        QTest::newRow("signo mas") << "+7" << 7;
        QTest::newRow("negativo hex") << "-$10" << -16;
        QTest::newRow("letras detras") << "12a" << 0;
        QTest::newRow("vacio") << "" << 0;
        QTest::newRow("solo signo") << "-" << 0;
        QTest::newRow("solo prefijo hex") << "$" << 0;
        QTest::newRow("desborda") << "99999999999" << 0;
        QTest::newRow("uno mas que el maximo") << "2147483648" << 0;
        QTest::newRow("el maximo") << "2147483647" << 2147483647;
        QTest::newRow("el minimo") << "-2147483648" << int(-2147483648LL);
        QTest::newRow("decimal") << "1.5" << 0;
        QTest::newRow("digitos no ascii") << QString::fromUtf8("١٢") << 0;
    }
    void leerEntero()
    {
        QFETCH(QString, texto);
        QFETCH(int, valor);
        QCOMPARE(LeerEntero(texto), valor);
    }

    void leerReal_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::newRow("moneda y miles") << "$ 4,567.50" << 4567.5;
        QTest::newRow("parentesis no hacen negativo") << "(12.50)" << 12.5;
        QTest::newRow("entre comillas") << "\"7\"" << 7.0;
        QTest::newRow("dos puntos") << "1.2.3" << 0.0;
        QTest::newRow("vacio") << "" << 0.0;
        QTest::newRow("exponente") << "1e3" << 1000.0;
        QTest::newRow("negativo") << "-2.25" << -2.25;
        QTest::newRow("punto inicial") << ".5" << 0.5;
        QTest::newRow("texto") << "abc" << 0.0;
        QTest::newRow("moneda repetida") << "$$3" << 3.0;
        QTest::newRow("infinito") << "1e999" << 0.0;
    }
    void leerReal()
    {
        QFETCH(QString, texto);
        QFETCH(double, valor);
        QCOMPARE(LeerReal(texto), valor);
    }

    void formatoNumero_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("tipo de cambio") << 18.9 << "18.90";
        QTest::newRow("miles") << 4567.5 << "4,567.50";
        QTest::newRow("negativo") << -0.5 << "-0.50";
        QTest::newRow("cero") << 0.0 << "0.00";
        QTest::newRow("redondeo arriba") << 0.125 << "0.13";
        QTest::newRow("casi cero negativo") << -0.001 << "0.00";
        QTest::newRow("millones") << 12152000.0 << "12,152,000.00";
        QTest::newRow("catorce cifras") << 12345678901234.5 << "12,345,678,901,235.00";
        QTest::newRow("cientifico desde 1e14") << 1e14 << "1E14";
        // Rounded to 14 digits first: what reaches 1e14 by rounding is scientific too.
        QTest::newRow("redondea a 1e14") << 99999999999999.7 << "1E14";
        QTest::newRow("redondea a -1e14") << -99999999999999.7 << "-1E14";
        QTest::newRow("justo bajo 1e14") << 99999999999999.4 << "99,999,999,999,999.00";
        QTest::newRow("cientifico negativo") << -2.5e15 << "-2.5E15";
    }
    void formatoNumero()
    {
        QFETCH(double, valor);
        QFETCH(QString, texto);
        QCOMPARE(FormatoNumero(valor), texto);
    }

    void formatoPatron_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("patron");
        QTest::addColumn<QString>("texto");
        QTest::newRow("precio") << 1234.5 << "$ ###,##0.00" << "$ 1,234.50";
        QTest::newRow("precio negativo") << -5.0 << "$ ###,##0.00" << "-$ 5.00";
        QTest::newRow("importe") << 2345.5 << "###,##0.00" << "2,345.50";
        QTest::newRow("cantidad redondea") << 2.5 << "###,##0" << "3";
        QTest::newRow("cantidad con miles") << 1234.4 << "###,##0" << "1,234";
        QTest::newRow("numero plano") << 12.0 << "#######0" << "12";
        QTest::newRow("numero plano negativo") << -3.0 << "#######0" << "-3";
        QTest::newRow("sin miles aunque grande") << 12345678.0 << "#######0" << "12345678";
        QTest::newRow("seis decimales") << 1.23456789 << "#####0.000000" << "1.234568";
        QTest::newRow("menos de uno") << 0.5 << "###,##0.00" << "0.50";
    }
    void formatoPatron()
    {
        QFETCH(double, valor);
        QFETCH(QString, patron);
        QFETCH(QString, texto);
        QCOMPARE(FormatoPatron(valor, patron), texto);
    }

    void separadoresRegionales()
    {
        setRegional({QStringLiteral(","), QStringLiteral("."), QStringLiteral("€")});
        QCOMPARE(FormatoNumero(4567.5), QStringLiteral("4.567,50"));
        QCOMPARE(FormatoPatron(1234.5, QStringLiteral("$ ###,##0.00")), QStringLiteral("$ 1.234,50"));
        QCOMPARE(LeerReal(QStringLiteral("€ 1.234")), 1234.0);
        // Rounding to six decimals must not depend on the locale.
        QCOMPARE(R6(100.0 / 3.0), 33.333333);
        setRegional({QStringLiteral("."), QStringLiteral(","), QStringLiteral("$")});
    }

    void r6_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<double>("redondeado");
        QTest::newRow("exacto") << 116.0 / 1.16 << 100.0;
        QTest::newRow("sube en el sexto decimal") << 0.1234566 << 0.123457;
        QTest::newRow("baja en el sexto decimal") << 2.0000004 << 2.0;
        QTest::newRow("negativo") << -1.0000004 << -1.0;
        // The pattern writes "NAN" or "INF", which the tolerant reader takes as 0.
        QTest::newRow("NaN da 0") << std::nan("") << 0.0;
        QTest::newRow("infinito da 0") << HUGE_VAL << 0.0;
        QTest::newRow("menos infinito da 0") << -HUGE_VAL << 0.0;
    }
    void r6()
    {
        QFETCH(double, valor);
        QFETCH(double, redondeado);
        QCOMPARE(R6(valor), redondeado);
    }
};

QTEST_GUILESS_MAIN(TstNumeros)
#include "tst_numeros.moc"
