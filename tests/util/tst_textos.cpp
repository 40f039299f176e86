#include "util/Textos.h"
#include <QtTest>

/// Cleaning, capitalising and fixed text fields.
class TstTextos : public QObject {
    Q_OBJECT
private slots:
    void capitalizar_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("salida");
        QTest::newRow("mayusculas") << "MESA DOS" << "Mesa dos";
        QTest::newRow("enie no es ascii") << QString::fromUtf8("ÑANDU") << QString::fromUtf8("Ñandu");
        QTest::newRow("acento al inicio") << QString::fromUtf8("éxito") << QString::fromUtf8("éxito");
        QTest::newRow("vacio") << "" << "";
        QTest::newRow("digito inicial") << "7UP" << "7up";
        QTest::newRow("solo se bajan las letras ascii") << QString::fromUtf8("CAFÉ") << QString::fromUtf8("CafÉ");
    }
    void capitalizar()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, salida);
        QCOMPARE(Capitalizar(entrada), salida);
        QCOMPARE(Capitalizar(entrada).size(), entrada.size());
    }

    void quitarSignos()
    {
        QCOMPARE(QuitarSignos(QStringLiteral(" 4.5,6;7:8-9_0 ")), QStringLiteral("4567890"));
        QCOMPARE(QuitarSignos(QStringLiteral("sin/cebolla!")), QStringLiteral("sin/cebolla!"));
        QVERIFY(QuitarSignos(QStringLiteral(" . , ; : - _ ")).isEmpty());
    }

    void recortar()
    {
        QCOMPARE(Recortar(QStringLiteral("\t  Juan Pérez \r\n")), QStringLiteral("Juan Pérez"));
        QVERIFY(!TieneTexto(QStringLiteral(" \t\r")));
        QVERIFY(TieneTexto(QStringLiteral(" x ")));
    }

    void campoFijo_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("leido");
        const QString de255(255, u'a');
        QTest::newRow("corto") << "Hot Cakes" << "Hot Cakes";
        QTest::newRow("vacio") << "" << "";
        QTest::newRow("exactamente 255") << de255 << de255;
        QTest::newRow("mas largo se corta") << QString(300, u'b') << QString(255, u'b');
        // Cutting at 255 would split the pair of the emoji: the whole character goes.
        QTest::newRow("sin partir un caracter") << QString(254, u'c') + QString::fromUtf8("🍕x")
                                                << QString(254, u'c');
    }
    void campoFijo()
    {
        QFETCH(QString, texto);
        QFETCH(QString, leido);
        CampoFijo campo;
        std::fill(std::begin(campo), std::end(campo), u'x'); // old content that must not show through
        CopiarCampo(texto, campo);
        QCOMPARE(LeerCampo(campo), leido);
        QCOMPARE(campo[leido.size()], u'\0');
        QCOMPARE(campo[255], u'\0');
    }

    void campoSinTerminador()
    {
        CampoFijo campo;
        std::fill(std::begin(campo), std::end(campo), u'z');
        QCOMPARE(LeerCampo(campo), QString(256, u'z'));
    }
};

QTEST_GUILESS_MAIN(TstTextos)
#include "tst_textos.moc"
