// Comandas: the codes of Guardar_Comanda, what is stored, the lists, the kitchen's ready
// dishes and the waiter's figures.
#include "RestauranteDePrueba.h"
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

using Preparar = std::function<void(TPedido &, AjustesSim &)>;
Q_DECLARE_METATYPE(Preparar)

class TstComandas : public QObject {
    Q_OBJECT
    std::unique_ptr<RestauranteDePrueba> m;
    Restaurante *r = nullptr;

    QJsonObject UltimaComanda() { return r->comandas().json().last().toObject(); }

private slots:
    void init()
    {
        m = std::make_unique<RestauranteDePrueba>();
        r = &m->r;
    }

    void cleanup() { m.reset(); }

    void guardar_data()
    {
        QTest::addColumn<Preparar>("preparar");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("platillos"); // dishes of the comanda stored; 0: nothing stored
        QTest::addColumn<QString>("motivo"); // in UltimoError; empty: no error noted
        auto nada = [](TPedido &, AjustesSim &) {};
        auto producto = [](int renglon, const char *id) {
            return Preparar([=](TPedido &p, AjustesSim &) { p.ArrayDetalle[renglon]->NuProducto = QString::fromLatin1(id); });
        };
        QTest::newRow("guardada") << Preparar(nada) << 2 << 2 << "";
        QTest::newRow("sin renglones") << Preparar([](TPedido &p, AjustesSim &) {
            p.ArrayDetalle.clear();
            p.Count = 0;
        }) << 4 << 0 << "(Count 0)";
        QTest::newRow("Count mayor que los renglones")
            << Preparar([](TPedido &p, AjustesSim &) { p.Count = 3; }) << 4 << 0 << "(Count 3)";
        QTest::newRow("renglon vacio") << Preparar([](TPedido &p, AjustesSim &) { p.ArrayDetalle[1].reset(); }) << 4
                                       << 0 << "(Count 2)";
        QTest::newRow("mesa inexistente") << Preparar([](TPedido &p, AjustesSim &) { p.NuPaso = 5000; }) << 4
                                          << 0 << "La mesa 5000";
        QTest::newRow("mesa cero") << Preparar([](TPedido &p, AjustesSim &) { p.NuPaso = 0; }) << 4 << 0
                                   << "La mesa 0";
        QTest::newRow("producto inexistente") << producto(1, "999") << 5 << 0 << "El producto 999";
        QTest::newRow("inexistente gana al agotado") << Preparar([](TPedido &p, AjustesSim &) {
            p.ArrayDetalle[0]->NuProducto = QStringLiteral("305");
            p.ArrayDetalle[1]->NuProducto = QStringLiteral("999");
        }) << 5 << 0 << "El producto 999";
        QTest::newRow("sin corte abierto") << Preparar([](TPedido &, AjustesSim &a) { a.corte_abierto = false; }) << 3
                                           << 0 << "corte";
        QTest::newRow("sin corte gana a la cabecera") << Preparar([](TPedido &p, AjustesSim &a) {
            a.corte_abierto = false;
            p.NuPaso = 5000;
        }) << 3 << 0 << "corte";
        // Totals: each one checked against the sum of the lines, a cent of slack.
        const struct {
            const char *nombre;
            double TPedido::*total;
        } totales[] = {{"SubTotal", &TPedido::SubTotal}, {"IVA", &TPedido::IVA}, {"IEPS", &TPedido::IEPS},
                       {"Total", &TPedido::Total}};
        for (const auto &t : totales) {
            const auto total = t.total;
            QTest::addRow("%s descuadrado", t.nombre)
                << Preparar([=](TPedido &p, AjustesSim &) { p.*total -= 0.02; }) << 0 << 0
                << QStringLiteral("El %1 de la comanda").arg(QLatin1StringView(t.nombre));
            QTest::addRow("%s con un centavo de diferencia", t.nombre)
                << Preparar([=](TPedido &p, AjustesSim &) { p.*total += 0.01; }) << 2 << 2 << "";
        }
        QTest::newRow("total que no es un numero")
            << Preparar([](TPedido &p, AjustesSim &) { p.Total = qQNaN(); }) << 0 << 0 << "El Total de la comanda";
        QTest::newRow("descuadre gana al agotado") << Preparar([](TPedido &p, AjustesSim &) {
            p.ArrayDetalle[0]->NuProducto = QStringLiteral("305");
            p.Total += 1;
        }) << 0 << 0 << "no cuadra";
        QTest::newRow("un producto agotado") << producto(0, "305") << 1 << 1 << "305";
        QTest::newRow("todos agotados") << Preparar([](TPedido &p, AjustesSim &) {
            p.ArrayDetalle[0]->NuProducto = QStringLiteral("305");
            p.ArrayDetalle[1]->NuProducto = QStringLiteral("326");
        }) << 0 << 0 << "agotados: 305";
        QTest::newRow("codigo impuesto") << Preparar([](TPedido &, AjustesSim &a) { a.guardar_codigo = 7; }) << 7 << 0
                                         << "";
        QTest::newRow("codigo impuesto negativo")
            << Preparar([](TPedido &, AjustesSim &a) { a.guardar_codigo = -1; }) << -1 << 0 << "";
        QTest::newRow("codigo impuesto 2 no guarda")
            << Preparar([](TPedido &, AjustesSim &a) { a.guardar_codigo = 2; }) << 2 << 0 << "";
        QTest::newRow("codigo impuesto a una comanda erronea")
            << Preparar([](TPedido &p, AjustesSim &a) {
                   a.guardar_codigo = 2;
                   p.Total += 1;
               })
            << 2 << 0 << "";
    }

    // Only a comanda answered 1 or 2 by the business rules is stored, and only its lines
    // in stock become dishes; every other answer leaves the comandas, the tables and the
    // kitchen as they were, and says why as the last error.
    void guardar()
    {
        QFETCH(Preparar, preparar);
        QFETCH(int, codigo);
        QFETCH(int, platillos);
        QFETCH(QString, motivo);
        TPedido p = PedidoDePrueba(3, {LineaDePrueba(1, "101", 2, 81.9), LineaDePrueba(2, "401", 1, 34.48)});
        preparar(p, m->ajustes);
        const int antes = int(r->comandas().json().size());
        r->anotarError({});
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, p), codigo);
        const QJsonArray comandas = r->comandas().json();
        QCOMPARE(comandas.size(), antes + (platillos > 0 ? 1 : 0));
        if (platillos > 0)
            QCOMPARE(comandas.last()["platillos"].toArray().size(), platillos);
        QVERIFY2(motivo.isEmpty() ? r->UltimoError().isEmpty() : r->UltimoError().contains(motivo),
                 qPrintable(r->UltimoError()));
    }

    // A line out of stock is left out of what is stored: its dish, its place in the
    // lines and its amounts, so that the lists and the summary count the rest only.
    void agotadoSeGuardaSinSuRenglon()
    {
        TDetalle chiles = LineaDePrueba(2, "305", 1, 224.14);
        chiles.Producto = QStringLiteral("Chiles en Nogada");
        const TDetalle tacos = LineaDePrueba(1, "101", 2, 81.9), agua = LineaDePrueba(3, "401", 1, 34.48);
        TPedido p = PedidoDePrueba(12, {tacos, chiles, agua});
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, p), 1);
        QCOMPARE(r->UltimoError(), QStringLiteral("Producto agotado, la comanda se guardo sin el: 305 Chiles en Nogada"));

        const QJsonObject guardada = UltimaComanda();
        const QJsonObject pedido = guardada["pedido"].toObject();
        QCOMPARE(pedido["Count"].toInt(), 2);
        const QJsonArray lineas = pedido["ArrayDetalle"].toArray();
        QCOMPARE(lineas.size(), 2);
        QCOMPARE(lineas[0]["NuProducto"].toString(), QStringLiteral("101"));
        QCOMPARE(lineas[1]["NuDetalle"].toInt(), 3); // the client's numbers are kept
        const double total = tacos.Total + agua.Total;
        QVERIFY(qAbs(pedido["Total"].toDouble() - total) < 1e-9);
        QVERIFY(qAbs(pedido["SubTotal"].toDouble() - (tacos.SubTotal + agua.SubTotal)) < 1e-9);
        QVERIFY(qAbs(pedido["IVA"].toDouble() - (tacos.IVA + agua.IVA)) < 1e-9);
        QVERIFY(qAbs(guardada["total"].toDouble() - total) < 1e-9);
        QStringList platillos;
        for (const QJsonValue &pl : guardada["platillos"].toArray())
            platillos << pl["producto_id"].toString();
        QCOMPARE(platillos, QStringList({"101", "401"}));
    }

    // Everything the client fills in arrives and is kept: header, totals and each line
    // with its modifiers; each line becomes a pending dish on its product's printer.
    void guardadaCompleta()
    {
        TDetalle a = LineaDePrueba(1, "301", 1, 211.21);
        for (int k = 1; k <= 6; ++k)
            a.Esp(k) = QStringLiteral("Esp %1").arg(k);
        a.Producto = QStringLiteral("Carne Asada a la Tampiqueña");
        a.PreOri = 245;
        TDetalle b = LineaDePrueba(2, "421", 3, 37.5);
        b.TasaIEPS = 26.5;
        b.IEPS = 29.81;
        // After a deletion the client numbers a new line like an old one.
        TDetalle c = LineaDePrueba(2, "602", 2, 15);
        c.TasaIVA = 0;
        TPedido p = PedidoDePrueba(31, {a, b, c});
        p.ReferenciaPago = QStringLiteral("Boda Pérez");
        p.NuEstado = 12;
        p.IEPS = 29.81;
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, p), 2);

        const QJsonObject guardada = UltimaComanda();
        QCOMPARE(guardada.value("mesa").toInt(), 31);
        QCOMPARE(guardada.value("cliente").toString(), QStringLiteral("Boda Pérez"));
        QCOMPARE(guardada.value("personas").toInt(), 12);
        QCOMPARE(guardada.value("usuario").toInt(), 3);
        QCOMPARE(guardada.value("estado").toString(), QStringLiteral("abierta"));
        const QJsonObject pedido = guardada.value("pedido").toObject();
        QCOMPARE(pedido.size(), 54);
        QCOMPARE(pedido.value("NuPaso").toInt(), 31);
        QCOMPARE(pedido.value("Total").toDouble(), p.Total);
        QCOMPARE(pedido.value("IEPS").toDouble(), 29.81);
        QCOMPARE(pedido.value("Count").toInt(), 3);
        QCOMPARE(pedido.value("Cliente").toObject().value("NuCliente").toInt(), 0);
        const QJsonArray lineas = pedido.value("ArrayDetalle").toArray();
        QCOMPARE(lineas.size(), 3);
        const QJsonObject l0 = lineas.at(0).toObject();
        QCOMPARE(l0.size(), 32);
        QCOMPARE(l0.value("NuProducto").toString(), QStringLiteral("301"));
        QCOMPARE(l0.value("Esp6").toString(), QStringLiteral("Esp 6"));
        QCOMPARE(l0.value("PreOri").toDouble(), 245.0);
        QCOMPARE(l0.value("Precio").toDouble(), 211.21);
        QCOMPARE(lineas.at(1).toObject().value("TasaIEPS").toDouble(), 26.5);

        const QJsonArray platillos = guardada.value("platillos").toArray();
        QCOMPARE(platillos.size(), 3);
        const int impresoras[] = {2, 3, 1}; // Parrilla, Barra, Cocina
        for (int i = 0; i < 3; ++i) {
            const QJsonObject pl = platillos.at(i).toObject();
            QCOMPARE(pl.value("renglon").toInt(), i + 1);
            QCOMPARE(pl.value("impresora").toInt(), impresoras[i]);
            QCOMPARE(pl.value("estado").toString(), QStringLiteral("pendiente"));
        }
        QCOMPARE(platillos.at(2).toObject().value("nu_detalle").toInt(), 2);
    }

    // Open comandas only, each table's comandas one after another, with the fields the
    // comanda list reads.
    void comandasAgrupadasPorMesa()
    {
        // Stored out of table order on purpose.
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, PedidoDePrueba(2, {LineaDePrueba(1, "101", 1, 80)})), 2);
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, PedidoDePrueba(12, {LineaDePrueba(1, "101", 1, 80)})), 2);
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, PedidoDePrueba(2, {LineaDePrueba(1, "101", 1, 80)})), 2);
        const auto l = r->ListaComandas(kUser, kPass, 1);
        QVERIFY(l);
        QStringList mesas;
        QList<int> numeros;
        ParaCada(l->ArrayInfo1, l->Count, [&](const TInfo1 &c, qsizetype) {
            if (mesas.isEmpty() || mesas.last() != c.Sucursal) {
                QVERIFY2(!mesas.contains(c.Sucursal), qPrintable(c.Sucursal + " aparece separada"));
                mesas << c.Sucursal;
            }
            numeros << c.DB;
            if (c.DB == 101) {
                QCOMPARE(c.NuAlmacen, 2);
                QCOMPARE(c.Nombre, QStringLiteral("Familia Hernández"));
                QCOMPARE(c.Sucursal, QStringLiteral("Mesa 2"));
                QCOMPARE(c.Cant, 4.0);
                QVERIFY(c.Total > 0);
            }
        });
        QCOMPARE(l->Count, 7); // four seeded open ones and three new
        QVERIFY(!numeros.contains(105) && !numeros.contains(106)); // finished
        QCOMPARE(mesas, QStringList({"Mesa 2", "Mesa 4", "Terraza 1", "Terraza 2"}));
    }

    void surtido_data()
    {
        QTest::addColumn<int>("impresora");
        QTest::addColumn<QStringList>("platillos"); // comanda/line of each ready dish
        QTest::newRow("todas") << 0 << QStringList{"101/1", "101/3"};
        QTest::newRow("cocina") << 1 << QStringList{"101/1"};
        QTest::newRow("barra") << 3 << QStringList{"101/3"};
        QTest::newRow("parrilla, nada listo") << 2 << QStringList{};
        QTest::newRow("impresora inexistente") << 9 << QStringList{};
    }

    // A poll reports the ready dishes of its printer; marking reads exactly those, and the
    // dishes of other printers stay ready.
    void surtido()
    {
        QFETCH(int, impresora);
        QFETCH(QStringList, platillos);
        auto listos = [&](int imp) {
            int n = -1;
            const auto l = r->ObtenerSurtido(kUser, kPass, imp, 0, n);
            QStringList r;
            ParaCada(l->ArraySurtido, l->Count, [&](const TSurtido &s, qsizetype) {
                r << QStringLiteral("%1/%2").arg(s.NuVenta).arg(s.NuVenta_Mov);
            });
            return std::pair(n, r);
        };
        QCOMPARE(listos(impresora), std::pair(int(platillos.size()), platillos));
        QCOMPARE(listos(impresora), std::pair(int(platillos.size()), platillos)); // a poll reads nothing

        int n = -1;
        const auto marcados = r->ObtenerSurtido(kUser, kPass, impresora, 1, n);
        QCOMPARE(n, 0);
        QCOMPARE(marcados->Count, 0);
        QCOMPARE(listos(impresora).first, 0);
        QCOMPARE(listos(0).first, 2 - int(platillos.size()));
    }

    void platilloListo()
    {
        int n = 0;
        const auto l = r->ObtenerSurtido(kUser, kPass, 1, 0, n);
        QCOMPARE(n, 1);
        const TSurtido s = *l->ArraySurtido.at(0);
        QCOMPARE(s.NuVenta, 101);
        QCOMPARE(s.NuVenta_Mov, 1);
        QCOMPARE(s.Cliente, QStringLiteral("Familia Hernández"));
        QCOMPARE(s.Mesa, QStringLiteral("Mesa 2"));
        QCOMPARE(s.Producto, QStringLiteral("Tacos al Pastor Orden de 4"));
        QCOMPARE(s.Cantidad, 2.0);
        QCOMPARE(s.NuPrinter, 1);
    }

    // The kitchen marks a comanda's pending dishes ready; ready or read ones stay as they are.
    void cocinaMarcaListos()
    {
        int n = 0;
        (void)r->ObtenerSurtido(kUser, kPass, 0, 1, n); // the seeded ready dishes are read
        QCOMPARE(r->comandas().marcarListos(102), 2);
        QCOMPARE(r->comandas().marcarListos(102), 0);
        (void)r->ObtenerSurtido(kUser, kPass, 0, 0, n);
        QCOMPARE(n, 2);
        QCOMPARE(r->comandas().marcarListos(0), 5); // 101/2, 103 (2), 104 (2)
        (void)r->ObtenerSurtido(kUser, kPass, 0, 0, n);
        QCOMPARE(n, 7);
    }

    // Figures of the signed-in waiter only; tips count for finished comandas.
    void resumen()
    {
        int pen = -1, fin = -1;
        double propinas = -1, total = -1;
        r->ObtenerResumen(kUser, kPass, pen, fin, propinas, total);
        QCOMPARE(pen, 2);
        QCOMPARE(fin, 2);
        QCOMPARE(propinas, 70.0);

        const QString admin = QStringLiteral("admin");
        r->ObtenerResumen(admin, admin, pen, fin, propinas, total);
        QCOMPARE(std::tuple(pen, fin, propinas, total), std::tuple(0, 0, 0.0, 0.0));
        const TPedido a = PedidoDePrueba(1, {LineaDePrueba(1, "101", 1, 100)});
        const TPedido b = PedidoDePrueba(3, {LineaDePrueba(1, "101", 1, 250.5)});
        QCOMPARE(r->Guardar_Comanda(admin, admin, a), 2);
        QCOMPARE(r->Guardar_Comanda(admin, admin, b), 2);
        QVERIFY(r->comandas().cerrar(UltimaComanda().value("numero").toInt(), 30));
        r->ObtenerResumen(admin, admin, pen, fin, propinas, total);
        QCOMPARE(std::tuple(pen, fin, propinas, total), std::tuple(1, 1, 30.0, a.Total + b.Total));
    }

    // A database file keeps what was stored across openings; reiniciar seeds it again.
    void archivoPersistente()
    {
        QTemporaryDir dir;
        const QString archivo = dir.filePath(QStringLiteral("sim.db"));
        {
            BaseDatos base(archivo);
            QVERIFY(base.nueva());
            Restaurante rest(base.db(), m->ajustes);
            QCOMPARE(rest.Guardar_Comanda(kUser, kPass, PedidoDePrueba(3, {LineaDePrueba(1, "101", 1, 80)})), 2);
        }
        BaseDatos base(archivo);
        QVERIFY(!base.nueva());
        Restaurante rest(base.db(), m->ajustes);
        QCOMPARE(rest.comandas().json().size(), 7);
        base.reiniciar();
        QCOMPARE(rest.comandas().json().size(), 6);
        QCOMPARE(rest.ListaMesas(kUser, kPass, 1)->Count, 14);
    }
};

QTEST_MAIN(TstComandas)
#include "tst_comandas.moc"
