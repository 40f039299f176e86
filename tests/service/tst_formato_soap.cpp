// Text forms of scalar values on the wire: numbers, Booleans, date-times and day counts.
#include "service/Base64Exacto.h"
#include "service/FormatoSoap.h"
#include <QtTest>
#include <clocale>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {
// 15 April 2022, 13:05:09.042 as a day count.
const double Abril15 = 44666 + (13 * 3600 + 5 * 60 + 9.042) / 86400;
} // namespace

class FormatoSoapTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A locale with "," as decimal separator, both Qt's and the C library's when present.
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        std::setlocale(LC_ALL, "es_ES.UTF-8");
    }

    void textoDouble_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("2.5") << 2.5 << u"2.5"_s;
        QTest::newRow("3.0 sin ceros") << 3.0 << u"3"_s;
        QTest::newRow("negativo") << -0.125 << u"-0.125"_s;
        QTest::newRow("cero negativo") << -0.0 << u"0"_s;
        QTest::newRow("15 cifras: 0.1+0.2") << 0.1 + 0.2 << u"0.3"_s;
        QTest::newRow("15 cifras enteras") << 123456789012345.0 << u"123456789012345"_s;
        QTest::newRow("16 cifras: exponente") << 1234567890123456.0 << u"1.23456789012346E15"_s;
        QTest::newRow("grande") << 1e20 << u"1E20"_s;
        QTest::newRow("pequeño") << 1.5e-7 << u"1.5E-7"_s;
        QTest::newRow("mediodía del 15 de abril") << 44666.5 << u"44666.5"_s;
        QTest::newRow("NaN") << std::nan("") << u"NaN"_s;
        QTest::newRow("INF") << HUGE_VAL << u"INF"_s;
        QTest::newRow("-INF") << -HUGE_VAL << u"-INF"_s;
    }
    void textoDouble()
    {
        QFETCH(double, valor);
        QFETCH(QString, texto);
        QCOMPARE(TextoDouble(valor), texto);
        // and back
        const auto leido = LeerDoubleSoap(texto);
        QVERIFY(leido);
        QVERIFY(std::isnan(valor) ? std::isnan(*leido) : *leido == std::stod(TextoDouble(valor).toStdString()));
    }

    void fechaHora_data()
    {
        QTest::addColumn<double>("dias");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("texto");
        QTest::newRow("seis horas detrás de UTC") << Abril15 << -6 * 3600 << u"2022-04-15T13:05:09.042-06:00"_s;
        QTest::newRow("offset cero: Z") << Abril15 << 0 << u"2022-04-15T13:05:09.042Z"_s;
        QTest::newRow("delante de UTC, media hora") << Abril15 << 19800 << u"2022-04-15T13:05:09.042+05:30"_s;
        QTest::newRow("día cero") << 0.0 << 0 << u"1899-12-30T00:00:00.000Z"_s;
        QTest::newRow("negativo: la fracción es la hora") << -1.25 << 0 << u"1899-12-29T06:00:00.000Z"_s;
        QTest::newRow("redondeo al día siguiente") << 1.9999999999 << 0 << u"1900-01-01T00:00:00.000Z"_s;
    }
    void fechaHora()
    {
        QFETCH(double, dias);
        QFETCH(int, offset);
        QFETCH(QString, texto);
        QCOMPARE(TextoFechaHora(dias, QTimeZone(offset)), texto);
        QCOMPARE(DiasDeFechaHora(FechaHoraDeDias(dias, QTimeZone(offset))), std::round(dias * 86400000) / 86400000);
    }

    void fechaHoraLocal_data()
    {
        QTest::addColumn<QByteArray>("tz");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("leido"); // "2022-04-15T19:05:09.042Z" read back as local time
        QTest::newRow("UTC") << "UTC0"_ba << u"2022-04-15T13:05:09.042Z"_s << u"2022-04-15T19:05:09.042Z"_s;
        QTest::newRow("seis horas detrás") << "<-06>6"_ba << u"2022-04-15T13:05:09.042-06:00"_s
                                            << u"2022-04-15T13:05:09.042-06:00"_s;
    }
    void fechaHoraLocal()
    {
        QFETCH(QByteArray, tz);
        QFETCH(QString, escrito);
        QFETCH(QString, leido);
        const QByteArray antes = qgetenv("TZ");
        qputenv("TZ", tz);
        const QString escritoAhora = TextoFechaHora(Abril15);
        const auto f = LeerFechaHoraSoap(u"2022-04-15T19:05:09.042Z");
        const QString leidoAhora = f ? TextoFechaHora(*f) : QString();
        const bool local = f && f->timeSpec() == Qt::LocalTime;
        qputenv("TZ", antes);
        QCOMPARE(escritoAhora, escrito);
        QVERIFY(local);
        QCOMPARE(leidoAhora, leido);
    }

    // Before standard time, zones kept the local mean time of their city, whose offset has
    // seconds (Mexico City: UTC-06:36:36). The text then carries a whole-minute offset with
    // the wall-clock reading of the same instant, so the server gets the day count back.
    void offsetConSegundos_data()
    {
        QTest::addColumn<QByteArray>("tz");
        QTest::addColumn<double>("dias");
        QTest::addColumn<QString>("texto");
        QTest::newRow("México, día cero") << "America/Mexico_City"_ba << 0.0 << u"1899-12-30T00:00:36.000-06:36"_s;
        QTest::newRow("México, mediodía") << "America/Mexico_City"_ba << 0.5 << u"1899-12-30T12:00:36.000-06:36"_s;
        QTest::newRow("México, ya en minutos enteros") << "America/Mexico_City"_ba << Abril15
                                                       << u"2022-04-15T13:05:09.042-05:00"_s;
        QTest::newRow("Ámsterdam, delante de UTC") << "Europe/Amsterdam"_ba << 0.0
                                                   << u"1899-12-30T00:00:28.000+00:20"_s;
    }
    void offsetConSegundos()
    {
        QFETCH(QByteArray, tz);
        QFETCH(double, dias);
        QFETCH(QString, texto);
        const QTimeZone zona(tz);
        QVERIFY2(zona.isValid(), tz.constData());
        const QByteArray antes = qgetenv("TZ");
        qputenv("TZ", tz);
        const QString local = TextoFechaHora(dias);
        const auto leido = LeerFechaHoraSoap(local);
        const double diasLeidos = leido ? DiasDeFechaHora(*leido) : -1;
        qputenv("TZ", antes);
        QCOMPARE(local, texto);
        QCOMPARE(diasLeidos, dias);
        QCOMPARE(TextoFechaHora(dias, zona), texto);
        const auto enZona = LeerFechaHoraSoap(texto);
        QVERIFY(enZona);
        QCOMPARE(enZona->toMSecsSinceEpoch(), FechaHoraDeDias(dias, zona).toMSecsSinceEpoch());
    }

    void lecturaDeFechaHora_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("utc"); // the instant, or empty when the text is no date-time
        QTest::newRow("con offset") << u"2022-04-15T13:05:09.042-06:00"_s << u"2022-04-15T19:05:09.042Z"_s;
        QTest::newRow("Z y espacios") << u" 2022-04-15T19:05:09Z\n"_s << u"2022-04-15T19:05:09.000Z"_s;
        QTest::newRow("más de tres decimales") << u"2022-04-15T19:05:09.04299+00:00"_s << u"2022-04-15T19:05:09.042Z"_s;
        QTest::newRow("24:00 es el fin del día") << u"2022-04-15T24:00:00Z"_s << u"2022-04-16T00:00:00.000Z"_s;
        QTest::newRow("mes 13") << u"2022-13-01T00:00:00Z"_s << QString();
        QTest::newRow("hora 25") << u"2022-04-15T25:00:00Z"_s << QString();
        QTest::newRow("no es fecha") << u"44666.5"_s << QString();
    }
    void lecturaDeFechaHora()
    {
        QFETCH(QString, texto);
        QFETCH(QString, utc);
        const auto f = LeerFechaHoraSoap(texto);
        QCOMPARE(f.has_value(), !utc.isEmpty());
        if (f)
            QCOMPARE(TextoFechaHora(f->toUTC()), utc);
    }

    void lecturaDeEscalares_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QVariant>("esperado"); // invalid: not a value of the type
        QTest::newRow("entero con espacios") << u"  42\n"_s << u"int"_s << QVariant(42);
        QTest::newRow("entero negativo") << u"-7"_s << u"int"_s << QVariant(-7);
        QTest::newRow("entero vacío") << u""_s << u"int"_s << QVariant(0);
        QTest::newRow("entero con decimales") << u"4.5"_s << u"int"_s << QVariant();
        QTest::newRow("entero de 33 bits") << u"4294967296"_s << u"int"_s << QVariant();
        QTest::newRow("booleano 1") << u"1"_s << u"bool"_s << QVariant(true);
        QTest::newRow("booleano FALSE") << u"FALSE"_s << u"bool"_s << QVariant(false);
        QTest::newRow("booleano True con espacio") << u" True"_s << u"bool"_s << QVariant(true);
        QTest::newRow("booleano 0") << u"0"_s << u"bool"_s << QVariant(false);
        QTest::newRow("booleano sí") << u"yes"_s << u"bool"_s << QVariant();
        QTest::newRow("real con espacios") << u" 2.5 "_s << u"double"_s << QVariant(2.5);
        QTest::newRow("real con exponente") << u"1.5E-7"_s << u"double"_s << QVariant(1.5e-7);
        QTest::newRow("real -INF") << u"-INF"_s << u"double"_s << QVariant(-HUGE_VAL);
        QTest::newRow("real con coma") << u"2,5"_s << u"double"_s << QVariant();
    }
    void lecturaDeEscalares()
    {
        QFETCH(QString, texto);
        QFETCH(QString, tipo);
        QFETCH(QVariant, esperado);
        QVariant leido;
        if (tipo == u"int") {
            if (const auto v = LeerEnteroSoap(texto))
                leido = *v;
        } else if (tipo == u"bool") {
            if (const auto v = LeerBooleanoSoap(texto))
                leido = *v;
        } else if (const auto v = LeerDoubleSoap(texto)) {
            leido = *v;
        }
        QCOMPARE(leido, esperado);
    }

    void base64Exacto_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exacto"); // false: no bytes have exactly that text in any layout
        const QByteArray todos = [] {
            QByteArray b(256, Qt::Uninitialized);
            for (int i = 0; i < 256; ++i)
                b[i] = char(i);
            return b;
        }();
        const QString t = QString::fromLatin1(todos.toBase64()); // 344 characters, "==" at the end
        const auto enLineas = [&](int largo, const QString &salto) {
            QString r;
            for (qsizetype i = 0; i < t.size(); i += largo)
                r += (i ? salto : QString()) + t.mid(i, largo);
            return r;
        };
        const QByteArray tres("\x00\x01\x02", 3);
        QTest::newRow("vacío") << QString() << QByteArray() << true;
        QTest::newRow("los 256 bytes, relleno ==") << t << todos << true;
        QTest::newRow("relleno =") << u"AAEC/+8="_s << QByteArray("\x00\x01\x02\xff\xef", 5) << true;
        QTest::newRow("sin relleno") << u"AAEC"_s << tres << true;
        QTest::newRow("líneas de 76") << enLineas(76, u"\n"_s) << todos << true;
        QTest::newRow("líneas de 76 y salto al final") << enLineas(76, u"\n"_s) + u'\n' << todos << true;
        QTest::newRow("una línea y salto al final") << u"AAEC\n"_s << tres << true;
        QTest::newRow("líneas de 4, la última justa") << u"AAEC\nAAEC"_s << tres + tres << true;
        QTest::newRow("bits sobrantes en ==") << u"AB=="_s << QByteArray() << false;
        QTest::newRow("bits sobrantes en =") << u"AAB="_s << QByteArray() << false;
        QTest::newRow("líneas de 76 con CR") << enLineas(76, u"\r\n"_s) << QByteArray() << false;
        QTest::newRow("líneas desiguales") << u"AAEC\nAAECAAEC\nAAEC"_s << QByteArray() << false;
        QTest::newRow("última línea más larga") << u"AAEC\nAAECAAEC"_s << QByteArray() << false;
        QTest::newRow("líneas que parten un grupo de cuatro") << u"AAE\nCAAE\nC"_s << QByteArray() << false;
        QTest::newRow("línea vacía") << u"AAEC\n\nAAEC"_s << QByteArray() << false;
        QTest::newRow("sólo un salto") << u"\n"_s << QByteArray() << false;
        QTest::newRow("dos saltos al final") << u"AAEC\n\n"_s << QByteArray() << false;
        QTest::newRow("espacio al final") << u"AAEC "_s << QByteArray() << false;
        QTest::newRow("largo no múltiplo de 4") << u"AAECA"_s << QByteArray() << false;
        QTest::newRow("= en medio") << u"AA==AAEC"_s << QByteArray() << false;
        QTest::newRow("= al final de una línea que no es la última") << u"AA==\nAAEC"_s << QByteArray() << false;
        QTest::newRow("tres =") << u"A==="_s << QByteArray() << false;
        QTest::newRow("alfabeto de URL") << u"AAE-_w=="_s << QByteArray() << false;
        QTest::newRow("fuera de ASCII") << u"AAEÁ"_s << QByteArray() << false;
        QTest::newRow("carácter con la misma cifra baja que 'A'") << QString(QChar(0x141)) + u"AEC"_s << QByteArray() << false;
    }
    void base64Exacto()
    {
        QFETCH(QString, texto);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exacto);
        FormaBase64 forma;
        const std::optional<QByteArray> leido = LeerBase64Exacto(texto, forma);
        QCOMPARE(leido.has_value(), exacto);
        if (leido) {
            QCOMPARE(*leido, bytes);
            QCOMPARE(EscribirBase64(*leido, forma), texto);
        }
    }

    // The reader's own bytes (UTF-8) go a faster way, many characters a step: the same
    // verdict as the text's for every length, layout and one bad character anywhere.
    void base64ExactoEnBytes_data()
    {
        QTest::addColumn<int>("largo");
        QTest::addColumn<int>("linea"); // 0: one line
        for (const int largo : {0, 1, 2, 3, 23, 24, 25, 32, 33, 57, 100, 1000, 3000})
            for (const int linea : {0, 76})
                QTest::addRow("%d bytes, líneas de %d", largo, linea) << largo << linea;
    }
    void base64ExactoEnBytes()
    {
        QFETCH(int, largo);
        QFETCH(int, linea);
        QByteArray bytes(largo, Qt::Uninitialized);
        for (int i = 0; i < largo; ++i)
            bytes[i] = char(i * 131 + 17);
        QByteArray texto = bytes.toBase64();
        if (linea > 0)
            for (qsizetype i = linea; i < texto.size(); i += linea + 1)
                texto.insert(i, '\n');
        FormaBase64 forma;
        const std::optional<QByteArray> leido = LeerBase64Exacto(QByteArrayView(texto), forma);
        QVERIFY(leido);
        QCOMPARE(*leido, bytes);
        QCOMPARE(EscribirBase64(*leido, forma), QString::fromLatin1(texto));
        for (qsizetype i = 0; i < std::min<qsizetype>(texto.size(), 100); ++i)
            for (int c = 0; c < 256; ++c) {
                QByteArray malo = texto;
                malo[i] = char(c);
                FormaBase64 f1, f2;
                const auto deBytes = LeerBase64Exacto(QByteArrayView(malo), f1);
                const auto deTexto = LeerBase64Exacto(QStringView(QString::fromLatin1(malo)), f2);
                QCOMPARE(deBytes.has_value(), deTexto.has_value());
                if (deBytes)
                    QCOMPARE(*deBytes, *deTexto);
            }
    }
};

QTEST_GUILESS_MAIN(FormatoSoapTest)
#include "tst_formato_soap.moc"
