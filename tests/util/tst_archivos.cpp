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

    /// Names the server may send, chosen to hit the byte limit of a file name, the
    /// characters without a UTF-8 form, and the escapes themselves.
    static QList<QString> nombresHostiles()
    {
        const QString cjk = QString::fromUtf8("\xe6\xbc\xa2"); // 3 bytes in UTF-8
        const QString emoji = QString::fromUtf8("\xf0\x9f\x8d\x95"); // 4 bytes, a surrogate pair
        QList<QString> n;
        for (int k : {66, 67, 80, 99, 100, 101, 400})
            n << cjk.repeated(k);
        n << emoji.repeated(50) << emoji.repeated(51) << emoji.repeated(100) << u'a' + emoji.repeated(60);
        n << QString(400, u'n') << QString(400, u'n') + u'm' << QString(150, u'n') + u'/' + QString(100, u'n');
        n << QString() << QString(QChar(0)) << QString(2, QChar(0)) << QStringLiteral("%") << QStringLiteral("%00")
          << QStringLiteral("%~") << QStringLiteral("/") << QStringLiteral("\\") << QStringLiteral("..")
          << QStringLiteral(".") << QStringLiteral("a/b") << QStringLiteral("a%2Fb") << QStringLiteral("a%252Fb");
        n << QString(QChar(0xD800)) << QString(QChar(0xD801)) << QString(QChar(0xDC00))
          << QString(300, QChar(0xD800)) << QString(300, QChar(0xD801));
        return n;
    }

    void nombresHostilesCabenYNoChocan()
    {
        QTemporaryDir dir;
        QHash<QString, QString> vistos; // file name -> the name it came from
        for (const QString &nombre : nombresHostiles()) {
            const QString seguro = NombreArchivoSeguro(nombre);
            const QString archivo = seguro + QStringLiteral(".jpg");
            // The picture is written under a temporary name six characters longer.
            QVERIFY2(archivo.toUtf8().size() + 7 <= 255, qPrintable(seguro));
            QVERIFY(!seguro.contains(u'/') && !seguro.contains(u'\\') && !seguro.contains(QChar(0)));
            const QString ruta = QDir(dir.path()).filePath(archivo);
            QCOMPARE(QFileInfo(ruta).absoluteDir().absolutePath(), QDir(dir.path()).absolutePath());
            GuardarBytes(nombre.toUtf8(), ruta);
            QVERIFY(QFileInfo::exists(ruta));
            const auto otro = vistos.constFind(seguro);
            QVERIFY2(otro == vistos.cend(), qPrintable(QStringLiteral("%1 y otro nombre comparten %2").arg(nombre.size()).arg(seguro)));
            vistos.insert(seguro, nombre);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), vistos.size());
    }
};

QTEST_GUILESS_MAIN(TstArchivos)
#include "tst_archivos.moc"
