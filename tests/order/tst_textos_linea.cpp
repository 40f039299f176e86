#include "order/Pendientes.h"
#include "order/TextoLinea.h"
#include "util/Regional.h"
#include <QtTest>

/// The texts of a comanda line, the product's full text and the pending modifiers.
class TstTextosLinea : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setRegional({QStringLiteral("."), QStringLiteral(","), QStringLiteral("$")}); }

    void textoLinea_data()
    {
        QTest::addColumn<QStringList>("esp"); // Esp1 .. Esp6
        QTest::addColumn<QString>("texto");
        QTest::newRow("sin modificadores") << QStringList{"", "", "", "", "", ""} << "Tacos";
        QTest::newRow("modificadores y texto libre")
            << QStringList{"sin cebolla", "extra salsa", "", "", "", "para llevar"}
            << "Tacos\r ** sin cebolla ** extra salsa\r ** para llevar";
        QTest::newRow("recortados; solo blancos no cuentan")
            << QStringList{"  sin sal \t", "   ", "", "", "poco picante", ""}
            << "Tacos\r ** sin sal ** poco picante";
        QTest::newRow("solo texto libre") << QStringList{"", "", "", "", "", " para llevar "}
                                          << "Tacos\r ** para llevar";
    }
    void textoLinea()
    {
        QFETCH(QStringList, esp);
        TDetalle d;
        d.Producto = QStringLiteral("Tacos");
        for (int k = 1; k <= 6; ++k)
            d.Esp(k) = esp[k - 1];
        QTEST(TextoLinea(d), "texto");
    }

    void detalleLinea_data()
    {
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("detalle");
        QTest::newRow("ejemplo") << 2.0 << 116.0 << "2 X\r$ 116.00";
        QTest::newRow("cantidad fraccionaria se redondea") << 2.6 << 26.0 << "3 X\r$ 26.00";
        QTest::newRow("miles") << 1250.0 << 12152.5 << "1,250 X\r$ 12,152.50";
    }
    void detalleLinea()
    {
        TDetalle d;
        QFETCH(double, cantidad);
        QFETCH(double, total);
        d.Cantidad = cantidad;
        d.Total = total;
        QTEST(DetalleLinea(d), "detalle");
    }

    void textoProducto()
    {
        TProducto p;
        p.Descripcion = QStringLiteral("Cerveza");
        QCOMPARE(TextoProducto(p), QStringLiteral("Cerveza"));
        p.Fabricante = QStringLiteral("Modelo ");
        p.Modelo = QStringLiteral("  ");
        p.Detalle = QStringLiteral("355 ml");
        // Blank parts are left out; the others keep their own blanks.
        QCOMPARE(TextoProducto(p), QStringLiteral("Cerveza Modelo  355 ml"));
    }

    void tieneModificadores_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("mod");
        QTest::addColumn<bool>("tiene");
        QTest::newRow("ninguno") << 1 << "" << false;
        QTest::newRow("solo signos") << 3 << " .,;:-_ " << false;
        QTest::newRow("Mod10 cuenta") << 10 << "sin hielo" << true;
        QTest::newRow("Mod11 no se ofrece") << 11 << "sin hielo" << false;
    }
    void tieneModificadores()
    {
        QFETCH(int, k);
        QFETCH(QString, mod);
        TProducto p;
        p.Mod(k) = mod;
        QTEST(TieneModificadores(p), "tiene");
    }

    void alternarModificador()
    {
        EspPendientes e;
        for (const char *m : {"a", "b", "c", "d", "e"})
            QCOMPARE(AlternarModificador(e, QString::fromLatin1(m)), 1);
        // A sixth while five are marked is ignored.
        QCOMPARE(AlternarModificador(e, QStringLiteral("f")), 0);
        QCOMPARE(e, (EspPendientes{"a", "b", "c", "d", "e", ""}));
        // Unmarking frees its slot, and the next one goes there.
        QCOMPARE(AlternarModificador(e, QStringLiteral("b")), 0);
        QCOMPARE(AlternarModificador(e, QStringLiteral("f")), 1);
        QCOMPARE(e, (EspPendientes{"a", "f", "c", "d", "e", ""}));
        // The free text in slot 6 is never a marked modifier.
        EspPendientes libre{"", "", "", "", "", "x"};
        QCOMPARE(AlternarModificador(libre, QStringLiteral("x")), 1);
        QCOMPARE(libre, (EspPendientes{"x", "", "", "", "", "x"}));
    }

    void encabezado()
    {
        const QString prompt = QStringLiteral("Seleccione Modificador para\rTacos");
        QCOMPARE(EncabezadoModificadores(prompt, "Tacos", {"  ", "", "", "", "", " "}), prompt);
        QCOMPARE(EncabezadoModificadores(prompt, "Tacos", {"", "sin cebolla", "", "", "", "para llevar"}),
                 QStringLiteral("Tacos\r > sin cebolla\r > para llevar"));
    }
};

QTEST_GUILESS_MAIN(TstTextosLinea)
#include "tst_textos_linea.moc"
