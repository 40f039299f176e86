#include "service/TCategoria.h"
#include "service/TInfo1.h"
#include "service/TPedido.h"
#include "service/TProducto.h"
#include "service/TSurtido.h"
#include <QtTest>

namespace {
QStringList nombres(const TypeInfo &t)
{
    QStringList r;
    for (const FieldInfo &f : t.campos)
        r << QString::fromLatin1(f.nombre);
    return r;
}

Tipo tipoDe(const TypeInfo &t, const char *campo) { return t.campo(QString::fromLatin1(campo))->tipo; }
} // namespace

/// The record types as the wire sees them: names, field order and wire types, lists,
/// and records held by value.
class TstTipos : public QObject {
    Q_OBJECT
private slots:
    void camposEnOrden_data()
    {
        QTest::addColumn<const TypeInfo *>("tipo");
        QTest::addColumn<QString>("nombreXml");
        QTest::addColumn<int>("cantidad");
        QTest::addColumn<QString>("primero");
        QTest::addColumn<QString>("ultimo");
        QTest::newRow("TProducto") << &TProducto::tipo() << "TProducto" << 100 << "ID" << "NUPRECIO_PROMO";
        QTest::newRow("TPedido") << &TPedido::tipo() << "TPedido" << 54 << "NuPedido" << "ISR_RET";
        QTest::newRow("TDetalle") << &TDetalle::tipo() << "TDetalle" << 32 << "NuDetalle" << "BarCode";
        QTest::newRow("TCliente") << &TCliente::tipo() << "TCliente" << 23 << "NuClienteTrazen" << "Extra3";
        QTest::newRow("TInfo1") << &TInfo1::tipo() << "TInfo1" << 11 << "DB" << "Nota";
        QTest::newRow("TSurtido") << &TSurtido::tipo() << "TSurtido" << 7 << "NuVenta" << "NuPrinter";
        QTest::newRow("TCategoria") << &TCategoria::tipo() << "TCategoria" << 4 << "NuCategoria"
                                    << "ListaSubCategoria";
        QTest::newRow("TSubCategoria") << &TSubCategoria::tipo() << "TSubCategoria" << 4 << "NuSubCategoria"
                                       << "Foto";
        // In this list the array comes first.
        QTest::newRow("TListaInfo1") << &TListaInfo1::tipo() << "TListaInfo1" << 2 << "ArrayInfo1" << "Count";
        QTest::newRow("TListaProducto") << &TListaProducto::tipo() << "TListaProducto" << 2 << "Count"
                                        << "ArrayProducto";
        QTest::newRow("TListaCategoria") << &TListaCategoria::tipo() << "TListaCategoria" << 2 << "Count"
                                         << "ArrayCategoria";
        QTest::newRow("TListaSubCategoria") << &TListaSubCategoria::tipo() << "TListaSubCategoria" << 2 << "Count"
                                            << "ArraySubCategoria";
        QTest::newRow("TListaSurtido") << &TListaSurtido::tipo() << "TListaSurtido" << 2 << "Count"
                                       << "ArraySurtido";
    }
    void camposEnOrden()
    {
        QFETCH(const TypeInfo *, tipo);
        QFETCH(QString, nombreXml);
        QFETCH(int, cantidad);
        QFETCH(QString, primero);
        QFETCH(QString, ultimo);
        const QStringList n = nombres(*tipo);
        QCOMPARE(QString::fromLatin1(tipo->nombreXml), nombreXml);
        QCOMPARE(n.size(), cantidad);
        QCOMPARE(n.first(), primero);
        QCOMPARE(n.last(), ultimo);
        QCOMPARE(QSet<QString>(n.begin(), n.end()).size(), cantidad); // no field twice
    }

    void tiposEnElCable()
    {
        QCOMPARE(tipoDe(TPedido::tipo(), "Fecha"), Tipo::Date);
        QCOMPARE(tipoDe(TPedido::tipo(), "Fecha_Entrega"), Tipo::Date);
        QCOMPARE(tipoDe(TPedido::tipo(), "Hora"), Tipo::Time);
        QCOMPARE(tipoDe(TPedido::tipo(), "Cliente"), Tipo::Record);
        QCOMPARE(tipoDe(TPedido::tipo(), "ArrayDetalle"), Tipo::Array);
        QCOMPARE(TPedido::tipo().campo(u"ArrayDetalle")->anidado(), &TDetalle::tipo());
        QCOMPARE(tipoDe(TDetalle::tipo(), "RFECHA_AUTH"), Tipo::DateTime);
        QCOMPARE(tipoDe(TDetalle::tipo(), "UsarMultiUnidad"), Tipo::Boolean);
        QCOMPARE(tipoDe(TProducto::tipo(), "FIN_PROMOCION"), Tipo::DateTime);
        QCOMPARE(tipoDe(TProducto::tipo(), "Foto"), Tipo::Bytes);
        QCOMPARE(tipoDe(TProducto::tipo(), "Precio20"), Tipo::Double);
        QCOMPARE(tipoDe(TInfo1::tipo(), "Fecha"), Tipo::XSDateTime);
        QCOMPARE(tipoDe(TInfo1::tipo(), "Cant"), Tipo::Double);
        // Twenty prices, fourteen modifiers, five barcodes, in their places.
        const QStringList p = nombres(TProducto::tipo());
        QCOMPARE(p.indexOf(QStringLiteral("Precio01")) + 19, p.indexOf(QStringLiteral("Precio20")));
        QCOMPARE(p.indexOf(QStringLiteral("Mod1")) + 13, p.indexOf(QStringLiteral("Mod14")));
        QCOMPARE(p.indexOf(QStringLiteral("Foto")) + 1, p.indexOf(QStringLiteral("Mod1")));
    }

    void setLengthListNoTocaCount()
    {
        TListaInfo1 l;
        l.SetLengthList(4);
        QCOMPARE(l.Count, 0);
        QCOMPARE(l.ArrayInfo1.size(), 4);
        for (const auto &slot : l.ArrayInfo1)
            QVERIFY(!slot.has_value());
        l.ArrayInfo1[0].emplace().DB = 7;
        l.SetLengthList(1);
        QCOMPARE(l.ArrayInfo1[0]->DB, 7);
        TPedido pedido;
        pedido.SetLengthList(3);
        QCOMPARE(pedido.Count, 0);
        QCOMPARE(pedido.ArrayDetalle.size(), 3);
    }

    void registrosNuevosEnCero()
    {
        const TPedido p;
        QCOMPARE(p.Fecha, 0.0);
        QCOMPARE(p.Count, 0);
        QVERIFY(!p.Cliente.has_value()); // absent until the comanda is made fresh
        QVERIFY(p.ArrayDetalle.isEmpty());
        const TInfo1 i;
        QVERIFY(!i.Fecha && !i.Hora);
        const TCategoria c;
        QVERIFY(!c.ListaSubCategoria.has_value());
    }

    void registrosPorValor()
    {
        TCategoria a;
        a.ListaSubCategoria.emplace().SetLengthList(1);
        a.ListaSubCategoria->ArraySubCategoria[0].emplace().Descripcion = QStringLiteral("Tacos");
        TCategoria b = a;
        b.ListaSubCategoria->ArraySubCategoria[0]->Descripcion = QStringLiteral("Sopes");
        QCOMPARE(a.ListaSubCategoria->ArraySubCategoria[0]->Descripcion, QStringLiteral("Tacos"));
    }

    void modificadoresYEspPorNumero()
    {
        TProducto p;
        p.Mod(1) = QStringLiteral("uno");
        p.Mod(14) = QStringLiteral("catorce");
        QCOMPARE(p.Mod1, QStringLiteral("uno"));
        QCOMPARE(p.Mod14, QStringLiteral("catorce"));
        TDetalle d;
        d.Esp(6) = QStringLiteral("para llevar");
        QCOMPARE(d.Esp6, QStringLiteral("para llevar"));
    }
};

QTEST_GUILESS_MAIN(TstTipos)
#include "tst_tipos.moc"
