#include "storage/DiscoLleno.h"
#include "util/Archivos.h"
#include <QtTest>

/// Files of the documents folder: paths, whole writes, safe names from the server.
class TstArchivos : public QObject {
    Q_OBJECT
private slots:
    void rutaDentroDeLaCarpeta()
    {
        QTemporaryDir dir;
        setCarpetaDocumentos(dir.path() + QStringLiteral("/nueva"));
        QCOMPARE(RutaDocumento(QStringLiteral("NVTrazen.ini")), dir.path() + QStringLiteral("/nueva/NVTrazen.ini"));
        QVERIFY(QDir(dir.path() + QStringLiteral("/nueva")).exists()); // created when missing
        setCarpetaDocumentos({});
    }

    void guardarBytesReemplazaEntero()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("cat12.jpg"));
        GuardarBytes(QByteArray(5000, 'x'), ruta);
        GuardarBytes(QByteArray("abc"), ruta);
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("abc"));
        f.close();
        GuardarBytes({}, ruta); // an empty array leaves an empty file
        QCOMPARE(QFileInfo(ruta).size(), 0);
    }

    void guardarBytesFallaConError()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(ErrorArchivo,
                                 GuardarBytes("x", dir.filePath(QStringLiteral("no/existe/a.jpg"))));
    }

    void discoLlenoConservaLaImagenAnterior()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("7501.jpg"));
        GuardarBytes("vieja", ruta);
        {
            DiscoLleno lleno(1000);
            QVERIFY_THROWS_EXCEPTION(ErrorArchivo, GuardarBytes(QByteArray(50000, 'n'), ruta));
        }
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("vieja"));
    }

    void nombreSeguro_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("igual");
        QTest::newRow("codigo comun") << "7501055300075" << true;
        QTest::newRow("con guion y punto") << "A-12.3" << true;
        QTest::newRow("acentos") << QString::fromUtf8("Café") << true;
        QTest::newRow("subir carpeta") << "../../etc/passwd" << false;
        QTest::newRow("punto punto") << ".." << false;
        QTest::newRow("punto") << "." << false;
        QTest::newRow("barra invertida") << "a\\b" << false;
        QTest::newRow("dos puntos") << "C:x" << false;
        QTest::newRow("control") << QStringLiteral("a\nb") << false;
        QTest::newRow("vacio") << "" << false;
        QTest::newRow("por ciento") << "50%" << false;
    }
    void nombreSeguro()
    {
        QFETCH(QString, nombre);
        QFETCH(bool, igual);
        const QString seguro = NombreArchivoSeguro(nombre);
        QCOMPARE(seguro == nombre, igual);
        QVERIFY(!seguro.isEmpty());
        QVERIFY(!seguro.contains(u'/') && !seguro.contains(u'\\') && seguro != u".." && seguro != u".");
        for (const QChar c : seguro)
            QVERIFY(c.unicode() >= 32);
        // The file really stays inside the folder.
        QTemporaryDir dir;
        const QString ruta = QDir(dir.path()).filePath(seguro + QStringLiteral(".jpg"));
        QCOMPARE(QFileInfo(ruta).absoluteDir().absolutePath(), QDir(dir.path()).absolutePath());
        GuardarBytes("x", ruta);
        QVERIFY(QFileInfo::exists(ruta));
    }

    void nombresDistintosNoChocan()
    {
        QCOMPARE(NombreArchivoSeguro(QStringLiteral("a/b")) == NombreArchivoSeguro(QStringLiteral("a%2Fb")), false);
        const QString largo(400, u'n');
        QVERIFY(NombreArchivoSeguro(largo).toUtf8().size() <= 255);
        QVERIFY(NombreArchivoSeguro(largo) != NombreArchivoSeguro(largo + u'm'));
    }
};

QTEST_GUILESS_MAIN(TstArchivos)
#include "tst_archivos.moc"
