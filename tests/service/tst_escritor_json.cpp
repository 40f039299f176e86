// The JSON writer's pictures: Base64 as RFC 4648 writes it, whatever the length, and
// handed to the sink in blocks without a byte lost.
#include "service/EscritorJson.h"
#include <QtTest>

class EscritorJsonTest : public QObject {
    Q_OBJECT

private slots:
    void bytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray todos(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            todos[i] = char(i);
        QTest::newRow("vacío") << QByteArray();
        QTest::newRow("uno: ==") << QByteArray("\xff", 1);
        QTest::newRow("dos: =") << QByteArray("\x00\xfe", 2);
        QTest::newRow("tres") << QByteArray("\xfb\xff\x01", 3);
        QTest::newRow("los 256 valores") << todos;
        QTest::newRow("los 256 valores y uno") << todos + 'x';
    }
    void bytes()
    {
        QFETCH(QByteArray, bytes);
        EscritorJson w;
        w.valor(Valor::de(bytes));
        QCOMPARE(w.texto(), '"' + bytes.toBase64() + '"');
    }

    void enBloques()
    {
        // Pictures of 20 KB, many blocks' worth: the pieces make the whole text.
        QList<QByteArray> fotos;
        for (int i = 0; i < 20; ++i)
            fotos << QByteArray(20 * 1024 + i, char('a' + i));
        QByteArray entregado;
        int entregas = 0;
        EscritorJson w([&](QByteArrayView b) {
            entregado += b;
            ++entregas;
        });
        w.abrirArreglo();
        for (QByteArray &f : fotos)
            w.valor(Valor::de(f));
        w.cerrarArreglo();
        w.vaciar();
        QByteArray esperado = "[";
        for (const QByteArray &f : fotos)
            esperado += (esperado.size() > 1 ? ",\"" : "\"") + f.toBase64() + '"';
        QCOMPARE(entregado, esperado + ']');
        QVERIFY(entregas > 1);
    }
};

QTEST_GUILESS_MAIN(EscritorJsonTest)
#include "tst_escritor_json.moc"
