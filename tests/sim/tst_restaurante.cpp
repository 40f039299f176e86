// The business behind the twelve operations, on a freshly seeded in-memory restaurant.
#include "service/ErrorServicio.h"
#include "sim/BaseDatos.h"
#include "sim/Restaurante.h"
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

using Preparar = std::function<void(TPedido &, Ajustes &)>;
Q_DECLARE_METATYPE(Preparar)

namespace {

const QString kUser = QStringLiteral("mesero");
const QString kPass = QStringLiteral("1234");

TDetalle Linea(int nu, const QString &id, double cantidad, double precio)
{
    TDetalle d;
    d.NuDetalle = nu;
    d.NuProducto = id;
    d.Producto = QStringLiteral("Producto ") + id;
    d.Cantidad = cantidad;
    d.Precio = precio;
    d.TasaIVA = 16;
    d.SubTotal = precio * cantidad;
    d.IVA = d.SubTotal * 0.16;
    d.Total = d.SubTotal + d.IVA;
    d.PreOri = precio * 1.16;
    return d;
}

// A comanda as the client sends it: a table, a customer, persons, lines and totals.
TPedido Pedido(int mesa, const QList<TDetalle> &lineas)
{
    TPedido p;
    p.NuPaso = mesa;
    p.ReferenciaPago = QStringLiteral("Cliente de prueba");
    p.NuEstado = 2;
    p.Cliente.emplace();
    for (const TDetalle &d : lineas) {
        p.ArrayDetalle.append(d);
        p.SubTotal += d.SubTotal;
        p.IVA += d.IVA;
        p.Total += d.Total;
    }
    p.Count = int(lineas.size());
    return p;
}

QStringList Ids(const TListaProducto &l)
{
    QStringList r;
    ParaCada(l.ArrayProducto, l.Count, [&](const TProducto &p, qsizetype) { r << p.ID; });
    return r;
}

bool EsJpeg(const QByteArray &b)
{
    return b.startsWith("\xFF\xD8") && b.endsWith("\xFF\xD9");
}

} // namespace

class TstRestaurante : public QObject {
    Q_OBJECT
    std::unique_ptr<BaseDatos> m_base;
    Ajustes m_ajustes;
    std::unique_ptr<Restaurante> r;

    QJsonObject UltimaComanda() { return r->comandas().json().last().toObject(); }

private slots:
    void init()
    {
        m_ajustes = Ajustes();
        m_base = std::make_unique<BaseDatos>();
        r = std::make_unique<Restaurante>(m_base->db(), m_ajustes);
    }

    void cleanup()
    {
        r.reset();
        m_base.reset();
    }

    void acceso_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<QString>("modulo");
        QTest::addColumn<bool>("concedido");
        QTest::addColumn<QString>("msg");
        QTest::addColumn<int>("nuUser");
        QTest::addColumn<QString>("modulos");
        const QString credenciales = QStringLiteral("Usuario o contraseña incorrectos");
        QTest::newRow("mesero") << "mesero" << "1234" << "POS" << true << "" << 3 << "TFFTFTTFFF";
        QTest::newRow("usuario sin distinguir mayusculas") << "MESERO" << "1234" << "POS" << true << "" << 3
                                                           << "TFFTFTTFFF";
        QTest::newRow("administrador") << "admin" << "admin" << "POS" << true << "" << 1 << "TTTTTTTTTT";
        QTest::newRow("clave equivocada") << "mesero" << "12345" << "POS" << false << credenciales << -7 << "x";
        QTest::newRow("clave distingue mayusculas") << "admin" << "ADMIN" << "POS" << false << credenciales << -7
                                                    << "x";
        QTest::newRow("usuario inexistente") << "nadie" << "1234" << "POS" << false << credenciales << -7 << "x";
        QTest::newRow("sin punto de venta") << "contador" << "cuentas" << "POS" << false
                                            << "El usuario no tiene acceso al modulo POS" << -7 << "x";
        QTest::newRow("contador en cobranza") << "contador" << "cuentas" << "COBRANZA" << true << "" << 4
                                              << "FFFFTFTTFF";
        QTest::newRow("modulo inexistente") << "admin" << "admin" << "BODEGA" << false
                                            << "El usuario no tiene acceso al modulo BODEGA" << -7 << "x";
    }

    // Granted access fills the user's data; a refusal explains itself in Msg and as the
    // last error, and leaves the other var arguments as they were sent.
    void acceso()
    {
        QFETCH(QString, user);
        QFETCH(QString, pass);
        QFETCH(QString, modulo);
        QFETCH(bool, concedido);
        QFETCH(QString, msg);
        QFETCH(int, nuUser);
        QFETCH(QString, modulos);
        int NuUser = -7, NuAlmacen = -7;
        QString Msg = QStringLiteral("antes"), Modulos = QStringLiteral("x"), Almacen = QStringLiteral("x");
        QCOMPARE(r->AccesoUserXModuloXAlmacen(user, pass, modulo, NuUser, NuAlmacen, Msg, Modulos, Almacen),
                 concedido);
        QCOMPARE(Msg, msg);
        QCOMPARE(NuUser, nuUser);
        QCOMPARE(Modulos, modulos);
        QCOMPARE(r->UltimoError(), msg);
        if (concedido) {
            QCOMPARE(NuAlmacen, 1);
            QCOMPARE(Almacen, QStringLiteral("Sucursal Centro"));
        }
    }

    void rechazoOrdenadoPorControl()
    {
        m_ajustes.rechazo = true;
        m_ajustes.rechazo_texto = QString();
        int n = 0, a = 0;
        QString msg = QStringLiteral("antes"), mod, alm;
        QVERIFY(!r->AccesoUserXModuloXAlmacen(kUser, kPass, QStringLiteral("POS"), n, a, msg, mod, alm));
        QCOMPARE(msg, QString());
    }

    // Every operation that takes credentials refuses wrong ones with the same fault.
    void credencialesEnCadaOperacion()
    {
        const QString malo = QStringLiteral("malo");
        int i = 0;
        double d = 0;
        const QList<std::pair<const char *, std::function<void()>>> llamadas{
            {"ObtenerCategoriasPOS", [&] { (void)r->ObtenerCategoriasPOS(kUser, malo, false); }},
            {"ListaProductoConFoto",
             [&] { (void)r->ListaProductoConFoto(kUser, malo, QStringLiteral("@agua"), false); }},
            {"ListaMesas", [&] { (void)r->ListaMesas(kUser, malo, 1); }},
            {"Guardar_Comanda", [&] { (void)r->Guardar_Comanda(kUser, malo, Pedido(1, {Linea(1, "101", 1, 80)})); }},
            {"ListaComandas", [&] { (void)r->ListaComandas(kUser, malo, 1); }},
            {"ObtenerResumen", [&] { (void)r->ObtenerResumen(kUser, malo, i, i, d, d); }},
            {"ObtenerSurtido", [&] { (void)r->ObtenerSurtido(kUser, malo, 0, 1, i); }},
        };
        for (const auto &[nombre, llamar] : llamadas) {
            r->anotarError({});
            try {
                llamar();
                QFAIL(nombre);
            } catch (const ErrorServicio &e) {
                QVERIFY2(e.esFault(), nombre);
                QCOMPARE(e.mensaje(), QStringLiteral("Usuario o contraseña incorrectos"));
                QCOMPARE(r->UltimoError(), e.mensaje());
            }
        }
        // Nothing was stored and no dish was marked read on the way.
        QCOMPARE(r->comandas().json().size(), 6);
        QCOMPARE(r->ObtenerSurtido(kUser, kPass, 0, 0, i)->Count, 2);
    }

    void empresa()
    {
        QString nombre, comercial, rfc, domicilio, telefono, correo;
        bool iva = false;
        int ieps = -1;
        double venta = 0, compra = 0;
        r->DatosEmpresa2(nombre, comercial, rfc, domicilio, telefono, correo, iva, ieps, venta, compra);
        QCOMPARE(comercial, QStringLiteral("La Candelaria Cocina Mexicana"));
        QVERIFY(!nombre.isEmpty() && !rfc.isEmpty() && !domicilio.isEmpty() && !telefono.isEmpty());
        QVERIFY(correo.contains(u'@'));
        QCOMPARE(iva, true);
        QCOMPARE(ieps, 0);
        QCOMPARE(venta, 18.99);
        QCOMPARE(compra, 18.90);

        m_ajustes.iva_incluido = false;
        m_ajustes.op_ieps_sobre_iva = 2;
        r->DatosEmpresa2(nombre, comercial, rfc, domicilio, telefono, correo, iva, ieps, venta, compra);
        QCOMPARE(iva, false);
        QCOMPARE(ieps, 2);

        QString p[5];
        r->DatosEmpresa3(p[0], p[1], p[2], p[3], p[4]);
        QCOMPARE(QStringList(p, p + 5),
                 QStringList({"Cocina", "Parrilla", "Barra", "Postres", "Caja"}));
    }

    void version()
    {
        QCOMPARE(r->VersionWSPos(), 10182);
        m_ajustes.version = 10077;
        QCOMPARE(r->VersionWSPos(), 10077);
    }

    void categorias_data()
    {
        QTest::addColumn<bool>("foto");
        QTest::newRow("con fotos") << true;
        QTest::newRow("sin fotos") << false;
    }

    void categorias()
    {
        QFETCH(bool, foto);
        const auto l = r->ObtenerCategoriasPOS(kUser, kPass, foto);
        QVERIFY(l);
        QCOMPARE(l->Count, 6);
        QCOMPARE(l->ArrayCategoria.size(), 6);
        QMap<int, QList<int>> subs;
        ParaCada(l->ArrayCategoria, l->Count, [&](const TCategoria &c, qsizetype) {
            QVERIFY(c.ListaSubCategoria); // present even when empty
            QCOMPARE(EsJpeg(c.Foto), foto);
            QCOMPARE(c.Foto.isEmpty(), !foto);
            QList<int> &n = subs[c.NuCategoria];
            ParaCada(c.ListaSubCategoria->ArraySubCategoria, c.ListaSubCategoria->Count,
                     [&](const TSubCategoria &s, qsizetype) {
                         QCOMPARE(s.NuCategoria, c.NuCategoria);
                         QCOMPARE(EsJpeg(s.Foto), foto);
                         n << s.NuSubCategoria;
                     });
            QCOMPARE(c.ListaSubCategoria->Count, n.size());
        });
        QCOMPARE(subs.value(1), QList<int>({11, 12, 13}));
        QCOMPARE(subs.value(2), QList<int>());
        QCOMPARE(subs.value(4), QList<int>({41, 42, 43, 44}));
        QCOMPARE(subs.value(5), QList<int>());
    }

    void filtros_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("categoria sin subcategorias")
            << "(PRODUCTO.NUCATEGORIA=2)" << QStringList{"201", "202", "203", "204"};
        QTest::newRow("categoria con subcategorias: todas sus subcategorias")
            << "(PRODUCTO.NUCATEGORIA=6)" << QStringList{"601", "602", "603", "604"};
        QTest::newRow("subcategoria")
            << "(PRODUCTO.NUCATEGORIA=1) and (PRODUCTO.NUSUBCATEGORIA=12)" << QStringList{"111", "112", "113"};
        QTest::newRow("subcategoria con blancos y mayusculas")
            << " ( PRODUCTO.NUCATEGORIA = 4 )  AND (producto.nusubcategoria=43) " << QStringList{"421", "422", "423"};
        QTest::newRow("subcategoria de otra categoria")
            << "(PRODUCTO.NUCATEGORIA=3) and (PRODUCTO.NUSUBCATEGORIA=12)" << QStringList{};
        QTest::newRow("categoria inexistente") << "(PRODUCTO.NUCATEGORIA=99)" << QStringList{};
        QTest::newRow("texto") << "@agua" << QStringList{"401", "402", "403", "413"};
        QTest::newRow("texto sin acento ni mayusculas") << "@CAFE" << QStringList{"431", "433"};
        QTest::newRow("texto con acento") << "@chicharrón" << QStringList{"113", "122"};
        QTest::newRow("texto en medio") << "@de ol" << QStringList{"431"};
        QTest::newRow("texto sin resultado") << "@sushi" << QStringList{};
        QTest::newRow("codigo de producto") << "#105" << QStringList{"105"};
        QTest::newRow("codigo de barras") << "#7501234500024" << QStringList{"412"};
        QTest::newRow("codigo no es busqueda por texto") << "#10" << QStringList{};
        QTest::newRow("codigo vacio") << "#" << QStringList{};
    }

    void filtros()
    {
        QFETCH(QString, where);
        QFETCH(QStringList, ids);
        const auto l = r->ListaProductoConFoto(kUser, kPass, where, false);
        QVERIFY(l);
        QCOMPARE(Ids(*l), ids);
        QCOMPARE(l->Count, l->ArrayProducto.size());
    }

    void filtroIlegibleEsUnFault()
    {
        QVERIFY_THROWS_EXCEPTION(ErrorServicio,
                                 r->ListaProductoConFoto(kUser, kPass, QStringLiteral("NUCATEGORIA=1"), false));
        QVERIFY(r->UltimoError().contains(QStringLiteral("NUCATEGORIA=1")));
    }

    // The fields the client reads: name parts, price and currency, taxes, modifiers, picture.
    void productoCompleto()
    {
        auto uno = [&](const char *id, bool foto) {
            return *r->ListaProductoConFoto(kUser, kPass, QStringLiteral("#") + id, foto)->ArrayProducto.at(0);
        };
        const TProducto pozole = uno("203", true);
        QCOMPARE(pozole.Descripcion, QStringLiteral("Pozole Rojo"));
        QCOMPARE(pozole.Detalle, QStringLiteral("Receta de Jalisco"));
        QCOMPARE(pozole.Precio, 130.0);
        QCOMPARE(pozole.NuCategoria, 2);
        QCOMPARE(pozole.Mod1, QStringLiteral("Grande"));
        QCOMPARE(pozole.Mod10, QStringLiteral("Orégano aparte"));
        QCOMPARE(pozole.Mod11, QString());
        QVERIFY(EsJpeg(pozole.Foto));
        QVERIFY(uno("203", false).Foto.isEmpty());

        const TProducto ribeye = uno("303", false);
        QCOMPARE(ribeye.NuMoneda, 2);
        QCOMPARE(ribeye.Precio, 32.5);
        QCOMPARE(ribeye.Modelo, QStringLiteral("400 g"));

        const TProducto refresco = uno("411", false);
        QCOMPARE(refresco.TasaIVA, 16.0);
        QCOMPARE(refresco.TasaIEPS, 8.0);
        QCOMPARE(refresco.Fabricante, QStringLiteral("Embotelladora del Bajío"));
        QCOMPARE(refresco.Barcode1, QStringLiteral("7501234500017"));
        QCOMPARE(refresco.NuSubCategoria, 42);

        QCOMPARE(uno("602", false).TasaIVA, 0.0);
        const TProducto canasta = uno("104", false);
        for (int k = 1; k <= 14; ++k)
            QCOMPARE(canasta.Mod(k), QString());
    }

    void mesas()
    {
        const auto l = r->ListaMesas(kUser, kPass, 1);
        QVERIFY(l);
        QCOMPARE(l->Count, 8);
        QMap<int, double> cant;
        QMap<int, QString> area;
        ParaCada(l->ArrayInfo1, l->Count, [&](const TInfo1 &m, qsizetype) {
            cant[m.DB] = m.Cant;
            area[m.DB] = m.Sucursal;
        });
        QCOMPARE(cant.keys(), QList<int>({1, 2, 3, 4, 11, 12, 21, 31}));
        QCOMPARE(area.value(11), QStringLiteral("Terraza"));
        // Seeded: one open comanda on Mesa 2 and Mesa 4, two on Terraza 1; Mesa 1's is finished.
        QCOMPARE(cant.value(1), 0.0);
        QCOMPARE(cant.value(2), 1.0);
        QCOMPARE(cant.value(11), 2.0);

        QCOMPARE(r->Guardar_Comanda(kUser, kPass, Pedido(1, {Linea(1, "101", 1, 80)})), 2);
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, Pedido(1, {Linea(1, "102", 1, 80)})), 2);
        ParaCada(r->ListaMesas(kUser, kPass, 1)->ArrayInfo1, 8, [&](const TInfo1 &m, qsizetype) {
            if (m.DB == 1)
                QCOMPARE(m.Cant, 2.0);
        });
    }

    void guardar_data()
    {
        QTest::addColumn<Preparar>("preparar");
        QTest::addColumn<int>("codigo");
        auto nada = [](TPedido &, Ajustes &) {};
        QTest::newRow("guardada") << Preparar(nada) << 2;
        QTest::newRow("sin renglones") << Preparar([](TPedido &p, Ajustes &) {
            p.ArrayDetalle.clear();
            p.Count = 0;
        }) << 4;
        QTest::newRow("Count mayor que los renglones") << Preparar([](TPedido &p, Ajustes &) { p.Count = 3; }) << 4;
        QTest::newRow("renglon vacio") << Preparar([](TPedido &p, Ajustes &) { p.ArrayDetalle[1].reset(); }) << 4;
        QTest::newRow("mesa inexistente") << Preparar([](TPedido &p, Ajustes &) { p.NuPaso = 5; }) << 4;
        QTest::newRow("mesa cero") << Preparar([](TPedido &p, Ajustes &) { p.NuPaso = 0; }) << 4;
        QTest::newRow("producto inexistente")
            << Preparar([](TPedido &p, Ajustes &) { p.ArrayDetalle[1]->NuProducto = QStringLiteral("999"); }) << 5;
        QTest::newRow("sin corte abierto") << Preparar([](TPedido &, Ajustes &a) { a.corte_abierto = false; }) << 3;
        QTest::newRow("sin corte gana a la cabecera") << Preparar([](TPedido &p, Ajustes &a) {
            a.corte_abierto = false;
            p.NuPaso = 5;
        }) << 3;
        QTest::newRow("codigo impuesto") << Preparar([](TPedido &, Ajustes &a) { a.guardar_codigo = 7; }) << 7;
        QTest::newRow("codigo impuesto negativo")
            << Preparar([](TPedido &, Ajustes &a) { a.guardar_codigo = -1; }) << -1;
        QTest::newRow("codigo impuesto 2 no guarda")
            << Preparar([](TPedido &, Ajustes &a) { a.guardar_codigo = 2; }) << 2;
    }

    // Only a comanda answered 2 by the business rules is stored; every other answer
    // leaves the comandas, the tables and the kitchen as they were.
    void guardar()
    {
        QFETCH(Preparar, preparar);
        QFETCH(int, codigo);
        TPedido p = Pedido(3, {Linea(1, "101", 2, 81.9), Linea(2, "401", 1, 34.48)});
        preparar(p, m_ajustes);
        const int antes = int(r->comandas().json().size());
        r->anotarError({});
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, p), codigo);
        const bool guardada = QTest::currentDataTag() == QByteArray("guardada");
        QCOMPARE(r->comandas().json().size(), antes + (guardada ? 1 : 0));
        QCOMPARE(r->UltimoError().isEmpty(), codigo == 2 || m_ajustes.guardar_codigo.has_value());
    }

    // Everything the client fills in arrives and is kept: header, totals and each line
    // with its modifiers; each line becomes a pending dish on its product's printer.
    void guardadaCompleta()
    {
        TDetalle a = Linea(1, "301", 1, 211.21);
        for (int k = 1; k <= 6; ++k)
            a.Esp(k) = QStringLiteral("Esp %1").arg(k);
        a.Producto = QStringLiteral("Carne Asada a la Tampiqueña");
        a.PreOri = 245;
        TDetalle b = Linea(2, "421", 3, 37.5);
        b.TasaIEPS = 26.5;
        b.IEPS = 29.81;
        // After a deletion the client numbers a new line like an old one.
        TDetalle c = Linea(2, "602", 2, 15);
        c.TasaIVA = 0;
        TPedido p = Pedido(31, {a, b, c});
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
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, Pedido(2, {Linea(1, "101", 1, 80)})), 2);
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, Pedido(12, {Linea(1, "101", 1, 80)})), 2);
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, Pedido(2, {Linea(1, "101", 1, 80)})), 2);
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
        TPedido a = Pedido(1, {Linea(1, "101", 1, 100)});
        a.Total = 100;
        TPedido b = Pedido(3, {Linea(1, "101", 1, 250.5)});
        b.Total = 250.5;
        QCOMPARE(r->Guardar_Comanda(admin, admin, a), 2);
        QCOMPARE(r->Guardar_Comanda(admin, admin, b), 2);
        QVERIFY(r->comandas().cerrar(UltimaComanda().value("numero").toInt(), 30));
        r->ObtenerResumen(admin, admin, pen, fin, propinas, total);
        QCOMPARE(std::tuple(pen, fin, propinas, total), std::tuple(1, 1, 30.0, 350.5));
    }

    // A database file keeps what was stored across openings; reiniciar seeds it again.
    void archivoPersistente()
    {
        QTemporaryDir dir;
        const QString archivo = dir.filePath(QStringLiteral("sim.db"));
        {
            BaseDatos base(archivo);
            QVERIFY(base.nueva());
            Restaurante rest(base.db(), m_ajustes);
            QCOMPARE(rest.Guardar_Comanda(kUser, kPass, Pedido(3, {Linea(1, "101", 1, 80)})), 2);
        }
        BaseDatos base(archivo);
        QVERIFY(!base.nueva());
        Restaurante rest(base.db(), m_ajustes);
        QCOMPARE(rest.comandas().json().size(), 7);
        base.reiniciar();
        QCOMPARE(rest.comandas().json().size(), 6);
        QCOMPARE(rest.ListaMesas(kUser, kPass, 1)->Count, 8);
    }
};

QTEST_MAIN(TstRestaurante)
#include "tst_restaurante.moc"
