#include "storage/ArchivoIni.h"
#include "util/Archivos.h"
#include <QtTest>
#include "DiscoLleno.h"
#include <csignal>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QString S = QStringLiteral("AppMovil");

void escribirArchivo(const QString &ruta, const QByteArray &texto)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(texto);
}

QByteArray leerArchivo(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

/// The settings file: defaults, switch readings, writes that keep the rest, a file only
/// its owner reads, and writes a crash cannot tear.
class TstArchivoIni : public QObject {
    Q_OBJECT
private slots:
    void sinArchivoDaLosValoresPorDefecto()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("NVTrazen.ini"));
        QCOMPARE(LeerConfig(ruta, S, QStringLiteral("Fuente1"), QStringLiteral("12")), QStringLiteral("12"));
        QCOMPARE(LeerConfigBool(ruta, S, QStringLiteral("ImgMesa"), true), true);
        QCOMPARE(LeerConfigBool(ruta, S, QStringLiteral("ImgMesa"), false), false);
        QVERIFY(!QFileInfo::exists(ruta)); // reading never creates it
    }

    void interruptores_data()
    {
        QTest::addColumn<QByteArray>("guardado");
        QTest::addColumn<bool>("porDefecto");
        QTest::addColumn<bool>("leido");
        QTest::newRow("1") << QByteArray("1") << false << true;
        QTest::newRow("0") << QByteArray("0") << true << false;
        QTest::newRow("01 es uno") << QByteArray("01") << false << true;
        QTest::newRow("yes es el defecto") << QByteArray("yes") << true << true;
        QTest::newRow("yes con defecto apagado") << QByteArray("yes") << false << false;
        QTest::newRow("2 es apagado") << QByteArray("2") << true << false;
        QTest::newRow("vacio es el defecto") << QByteArray("") << true << true;
        QTest::newRow("blancos alrededor") << QByteArray("  1  ") << false << true;
    }
    void interruptores()
    {
        QFETCH(QByteArray, guardado);
        QFETCH(bool, porDefecto);
        QFETCH(bool, leido);
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("NVTrazen.ini"));
        escribirArchivo(ruta, "[AppMovil]\nImgMesa=" + guardado + "\n");
        QCOMPARE(LeerConfigBool(ruta, S, QStringLiteral("ImgMesa"), porDefecto), leido);
    }

    /// A text comes back as stored: what follows "=" to the end of the line, blanks
    /// included (a password may begin or end with them). Blanks around the key do not count.
    void textosTalCual_data()
    {
        QTest::addColumn<QByteArray>("linea");
        QTest::addColumn<QString>("leido");
        QTest::newRow("blancos alrededor") << QByteArray("Pass=  ab  ") << QStringLiteral("  ab  ");
        QTest::newRow("solo blancos") << QByteArray("Pass=   ") << QStringLiteral("   ");
        QTest::newRow("tabulador") << QByteArray("Pass=\tab\t") << QStringLiteral("\tab\t");
        QTest::newRow("vacio") << QByteArray("Pass=") << QString();
        QTest::newRow("un igual dentro") << QByteArray("Pass=a=b") << QStringLiteral("a=b");
        QTest::newRow("blancos en la clave") << QByteArray("  Pass  =x ") << QStringLiteral("x ");
        QTest::newRow("fin de linea de Windows") << QByteArray("Pass= ab \r") << QStringLiteral(" ab ");
    }
    void textosTalCual()
    {
        QFETCH(QByteArray, linea);
        QFETCH(QString, leido);
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("NVTrazen.ini"));
        escribirArchivo(ruta, "[AppMovil]\r\nUser=ana\r\n" + linea + "\nWSDL=w\n");
        QCOMPARE(LeerConfig(ruta, S, QStringLiteral("Pass"), QStringLiteral("<falta>")), leido);
        // and what is written comes back the same
        EscribirConfig(ruta, S, QStringLiteral("Pass"), leido);
        QCOMPARE(LeerConfig(ruta, S, QStringLiteral("Pass"), QStringLiteral("<falta>")), leido);
    }

    void escribirCreaYConservaLoDemas()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("NVTrazen.ini"));
        escribirArchivo(ruta, "; notas del instalador\n[Otra]\nWSDL=no tocar\n\n[appmovil]\nfuente1 = 14\nUser=ana\n");
        EscribirConfig(ruta, S, QStringLiteral("Fuente1"), QStringLiteral("16"));
        EscribirConfig(ruta, S, QStringLiteral("Pass"), QStringLiteral("p=ss;#x"));
        EscribirConfigBool(ruta, S, QStringLiteral("UserPass"), false);
        QCOMPARE(LeerConfig(ruta, S, QStringLiteral("Fuente1"), {}), QStringLiteral("16"));
        QCOMPARE(LeerConfig(ruta, S, QStringLiteral("User"), {}), QStringLiteral("ana"));
        QCOMPARE(LeerConfig(ruta, S, QStringLiteral("Pass"), {}), QStringLiteral("p=ss;#x"));
        QCOMPARE(LeerConfig(ruta, QStringLiteral("Otra"), QStringLiteral("WSDL"), {}), QStringLiteral("no tocar"));
        QCOMPARE(LeerConfigBool(ruta, S, QStringLiteral("UserPass"), true), false);
        QVERIFY(leerArchivo(ruta).startsWith("; notas del instalador\n"));
        QCOMPARE(leerArchivo(ruta).count("fuente1"), 0); // the key was replaced, not added twice
    }

    void crearSeccionEnArchivoNuevo()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("NVTrazen.ini"));
        EscribirConfig(ruta, S, QStringLiteral("WSDL"), QStringLiteral("http://x:3269/WSTrazen.dll/wsdl/Itrazen"));
        QCOMPARE(leerArchivo(ruta), QByteArray("[AppMovil]\nWSDL=http://x:3269/WSTrazen.dll/wsdl/Itrazen\n"));
    }

    void contenidoMalo_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QByteArray basura(4096, '\0');
        for (int i = 0; i < basura.size(); ++i)
            basura[i] = char((i * 131 + 7) % 256);
        QTest::newRow("bytes al azar") << basura;
        QTest::newRow("sin seccion") << QByteArray("ImgMesa=0\nFuente1=20\n");
        QTest::newRow("otra seccion") << QByteArray("[Otra]\nImgMesa=0\nFuente1=20\n");
        QTest::newRow("linea enorme") << QByteArray("[AppMovil]\nWSDL=") + QByteArray(8 << 20, 'x') + "\n";
        QTest::newRow("corchete sin cerrar") << QByteArray("[AppMovil\nImgMesa=0\n");
        QTest::newRow("utf8 roto") << QByteArray("[AppMovil]\nUser=\xff\xfe\xc3\n");
    }
    void contenidoMalo()
    {
        QFETCH(QByteArray, contenido);
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("NVTrazen.ini"));
        escribirArchivo(ruta, contenido);
        QCOMPARE(LeerConfigBool(ruta, S, QStringLiteral("ImgMesa"), true), true);
        QCOMPARE(LeerConfig(ruta, S, QStringLiteral("Fuente1"), QStringLiteral("12")), QStringLiteral("12"));
        // Writing into it still works, and what was there is not lost.
        EscribirConfig(ruta, S, QStringLiteral("Fuente2"), QStringLiteral("11"));
        QCOMPARE(LeerConfig(ruta, S, QStringLiteral("Fuente2"), {}), QStringLiteral("11"));
        QVERIFY(QFileInfo(ruta).size() >= 10);
    }

    // A write that fails half-way (here the disk refuses more bytes) reports an error and
    // leaves the previous file whole.
    void escrituraFallidaConservaElArchivo()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("NVTrazen.ini"));
        EscribirConfig(ruta, S, QStringLiteral("User"), QStringLiteral("ana"));
        const QByteArray antes = leerArchivo(ruta);
        bool fallo = false;
        {
            DiscoLleno lleno(4096);
            try {
                EscribirConfig(ruta, S, QStringLiteral("Pass"), QString(20000, u'p'));
            } catch (const ErrorArchivo &) {
                fallo = true;
            }
        }
        QVERIFY(fallo);
        QCOMPARE(leerArchivo(ruta), antes);
    }

    void soloElDuenoLoLee()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("NVTrazen.ini"));
        EscribirConfig(ruta, S, QStringLiteral("Pass"), QStringLiteral("579"));
        QCOMPARE(QFileInfo(ruta).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                                  QFileDevice::WriteGroup | QFileDevice::WriteOther),
                 QFileDevice::Permissions());
    }

    void unSaltoDeLineaNoFalsificaClaves()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("NVTrazen.ini"));
        EscribirConfig(ruta, S, QStringLiteral("User"), QStringLiteral("ana\nWSDL=http://malo"));
        QCOMPARE(LeerConfig(ruta, S, QStringLiteral("WSDL"), QStringLiteral("ninguno")), QStringLiteral("ninguno"));
    }

    void fallaSiNoSePuedeEscribir()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(ErrorArchivo, EscribirConfig(dir.filePath(QStringLiteral("no/hay/NVTrazen.ini")),
                                                              S, QStringLiteral("User"), QStringLiteral("x")));
    }

    // A process killed while it writes leaves the old file or the new one, never a torn one.
    void unaCaidaNoRompeElArchivo()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("NVTrazen.ini"));
        const QString a(20000, u'a'), b(20000, u'b');
        EscribirConfig(ruta, S, QStringLiteral("WSDL"), a);
        for (int vuelta = 0; vuelta < 15; ++vuelta) {
            const pid_t hijo = fork();
            QVERIFY(hijo >= 0);
            if (hijo == 0) {
                for (int i = 0;; ++i)
                    EscribirConfig(ruta, S, QStringLiteral("WSDL"), i % 2 ? a : b);
            }
            QTest::qWait(5 + vuelta * 3);
            kill(hijo, SIGKILL);
            waitpid(hijo, nullptr, 0);
            const QString leido = LeerConfig(ruta, S, QStringLiteral("WSDL"), {});
            QVERIFY2(leido == a || leido == b, qPrintable(QStringLiteral("vuelta %1: %2 caracteres")
                                                             .arg(vuelta)
                                                             .arg(leido.size())));
        }
    }
};

QTEST_GUILESS_MAIN(TstArchivoIni)
#include "tst_archivo_ini.moc"
