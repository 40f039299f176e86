#include "tables/FilasComandas.h"
#include "tables/ParteEntera.h"
#include "tables/RespuestaComanda.h"
#include "tables/TileMesa.h"
#include "util/Regional.h"
#include "CasosRespuestaComanda.h"
#include <QtTest>
#include <limits>

namespace {
struct Entrada {
    int db;
    QString cliente;
    QString mesa;
    double personas;
    double total;
};
} // namespace

Q_DECLARE_METATYPE(Entrada)

namespace {

TListaInfo1 lista(const QList<Entrada> &entradas)
{
    TListaInfo1 l;
    l.SetLengthList(int(entradas.size()));
    l.Count = int(entradas.size());
    for (int i = 0; i < entradas.size(); ++i) {
        TInfo1 &c = l.ArrayInfo1[i].emplace();
        c.DB = entradas[i].db;
        c.Nombre = entradas[i].cliente;
        c.Sucursal = entradas[i].mesa;
        c.Cant = entradas[i].personas;
        c.Total = entradas[i].total;
        c.NuAlmacen = 99; // the table number is never shown
    }
    return l;
}

/// Rows as one text each: "H:" heading, "I:" item with " | " and its detail, "C:" closing.
QStringList texto(const QList<ListaVista::Fila> &filas)
{
    QStringList r;
    for (const auto &f : filas) {
        switch (f.tipo) {
        case ListaVista::Encabezado: r << QStringLiteral("H:") + f.texto; break;
        case ListaVista::Item: r << QStringLiteral("I:") + f.texto + QStringLiteral(" | ") + f.detalle; break;
        case ListaVista::Cierre: r << QStringLiteral("C:") + f.texto; break;
        }
    }
    return r;
}
} // namespace

/// The texts the table map and the comanda screens compute: badges, answer messages
/// and the rows of the comanda list.
class TstTextosComandas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setRegional({QStringLiteral("."), QStringLiteral(","), QStringLiteral("$")}); }

    void insignia_data()
    {
        QTest::addColumn<double>("cant");
        QTest::addColumn<QString>("insignia");
        QTest::newRow("none open") << 0.0 << "";
        QTest::newRow("negative") << -2.0 << "";
        QTest::newRow("three") << 3.0 << "3";
        QTest::newRow("fraction cut, not rounded") << 2.9 << "2";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "";
        QTest::newRow("huge count does not overflow") << 1e300 << "9000000000000000000";
    }
    void insignia()
    {
        QFETCH(double, cant);
        QFETCH(QString, insignia);
        QCOMPARE(InsigniaMesa(cant), insignia);
    }

    void tileDeMesa()
    {
        TInfo1 m;
        m.DB = 7;
        m.Nombre = QStringLiteral("Terraza 2");
        m.Sucursal = QStringLiteral("Planta alta");
        m.Cant = 1.5;
        const Tile t = TileMesa(m);
        QCOMPARE(t.tag, 7);
        QCOMPARE(t.caption, QStringLiteral("Terraza 2"));
        QCOMPARE(t.notes, QStringLiteral("Planta alta"));
        QCOMPARE(t.badge, QStringLiteral("1"));
        QVERIFY(t.picture.isEmpty());
    }

    void mensajeRespuesta_data() { CasosRespuestaComanda(true); }
    void mensajeRespuesta()
    {
        QFETCH(int, r);
        QFETCH(QString, mensaje);
        QCOMPARE(MensajeGuardarComanda(r), mensaje);
    }

    void filas_data()
    {
        QTest::addColumn<QList<Entrada>>("entradas");
        QTest::addColumn<QStringList>("filas");
        QTest::newRow("empty list: no rows") << QList<Entrada>{} << QStringList{};
        QTest::newRow("one table, two comandas")
            << QList<Entrada>{{12, "Juan", "Mesa 1", 4, 100.00}, {13, "Ana", "Mesa 1", 2, 250.50}}
            << QStringList{"H:Mesa 1", "I:12:  - Juan (4) | $ 100.00", "I:13:  - Ana (2) | $ 250.50",
                           "C:Total Cuenta: $ 350.50"};
        QTest::newRow("two tables: the second total starts from 0")
            << QList<Entrada>{{1, "A", "Mesa 1", 1, 1000.00}, {2, "B", "Mesa 1", 1, 1345.5}, {3, "C", "Mesa 3", 2, 10.25}}
            << QStringList{"H:Mesa 1", "I:1:  - A (1) | $ 1,000.00", "I:2:  - B (1) | $ 1,345.50",
                           "C:Total Cuenta: $ 2,345.50", "H:Mesa 3", "I:3:  - C (2) | $ 10.25",
                           "C:Total Cuenta: $ 10.25"};
        QTest::newRow("empty first table name: no heading, amount still counted")
            << QList<Entrada>{{5, "Sin mesa", "", 1, 40.00}, {6, "Luis", "Mesa 2", 3, 60.00}}
            << QStringList{"I:5:  - Sin mesa (1) | $ 40.00", "C:Total Cuenta: $ 40.00", "H:Mesa 2",
                           "I:6:  - Luis (3) | $ 60.00", "C:Total Cuenta: $ 60.00"};
        QTest::newRow("persons cut to the integer part")
            << QList<Entrada>{{9, "Eva", "Mesa 4", 3.7, 0}}
            << QStringList{"H:Mesa 4", "I:9:  - Eva (3) | $ 0.00", "C:Total Cuenta: $ 0.00"};
        QTest::newRow("only adjacent entries group")
            << QList<Entrada>{{1, "A", "Mesa 1", 1, 10}, {2, "B", "Mesa 2", 1, 20}, {3, "C", "Mesa 1", 1, 30}}
            << QStringList{"H:Mesa 1", "I:1:  - A (1) | $ 10.00", "C:Total Cuenta: $ 10.00",
                           "H:Mesa 2", "I:2:  - B (1) | $ 20.00", "C:Total Cuenta: $ 20.00",
                           "H:Mesa 1", "I:3:  - C (1) | $ 30.00", "C:Total Cuenta: $ 30.00"};
    }
    void filas()
    {
        QFETCH(QList<Entrada>, entradas);
        QFETCH(QStringList, filas);
        QCOMPARE(texto(FilasComandas(lista(entradas))), filas);
    }

    // A reply whose Count disagrees with its array, or with empty slots, still closes
    // the last group shown.
    void filasDeUnaRespuestaIrregular()
    {
        TListaInfo1 l = lista({{1, "A", "Mesa 1", 1, 10}, {2, "B", "Mesa 1", 1, 20}, {3, "C", "Mesa 1", 1, 30}});
        l.ArrayInfo1[2].reset();
        l.Count = 7;
        QCOMPARE(texto(FilasComandas(l)), (QStringList{"H:Mesa 1", "I:1:  - A (1) | $ 10.00",
                                                       "I:2:  - B (1) | $ 20.00", "C:Total Cuenta: $ 30.00"}));
        l.Count = 1;
        QCOMPARE(texto(FilasComandas(l)).last(), QStringLiteral("C:Total Cuenta: $ 10.00"));
        l.Count = -3;
        QVERIFY(FilasComandas(l).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstTextosComandas)
#include "tst_textos_comandas.moc"
