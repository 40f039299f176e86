// Credentials, company, menu and tables of the sample restaurant, as the operations hand them out.
#include "RestauranteDePrueba.h"
#include "service/ErrorServicio.h"
#include <QSet>
#include <QTest>
#include <functional>
#include <memory>

namespace {

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
    std::unique_ptr<RestauranteDePrueba> m;
    Restaurante *r = nullptr;

private slots:
    void init()
    {
        m = std::make_unique<RestauranteDePrueba>();
        r = &m->r;
    }

    void cleanup() { m.reset(); }

    void acceso_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<QString>("modulo");
        QTest::addColumn<bool>("concedido");
        QTest::addColumn<QString>("msg");
        QTest::addColumn<int>("nuUser");
        QTest::addColumn<QString>("modulos");
        QTest::addColumn<int>("nuAlmacen");
        QTest::addColumn<QString>("almacen");
        const QString credenciales = QStringLiteral("Usuario o contraseña incorrectos");
        const QString centro = QStringLiteral("Sucursal Centro");
        QTest::newRow("mesero") << "mesero" << "1234" << "POS" << true << "" << 3 << "TFFTFTTFFF" << 1 << centro;
        QTest::newRow("usuario sin distinguir mayusculas") << "MESERO" << "1234" << "POS" << true << "" << 3
                                                           << "TFFTFTTFFF" << 1 << centro;
        QTest::newRow("administrador") << "admin" << "admin" << "POS" << true << "" << 1 << "TTTTTTTTTT" << 1 << centro;
        QTest::newRow("sin almacen") << "practicante" << "2468" << "POS" << true << "" << 5 << "TFFTFTTFFF" << 0 << "";
        QTest::newRow("clave equivocada") << "mesero" << "12345" << "POS" << false << credenciales << -7 << "x" << -7
                                          << "x";
        QTest::newRow("clave distingue mayusculas") << "admin" << "ADMIN" << "POS" << false << credenciales << -7
                                                    << "x" << -7 << "x";
        QTest::newRow("usuario inexistente") << "nadie" << "1234" << "POS" << false << credenciales << -7 << "x" << -7
                                             << "x";
        QTest::newRow("sin punto de venta") << "contador" << "cuentas" << "POS" << false
                                            << "El usuario no tiene acceso al modulo POS" << -7 << "x" << -7 << "x";
        QTest::newRow("contador en cobranza") << "contador" << "cuentas" << "COBRANZA" << true << "" << 4
                                              << "FFFFTFTTFF" << 1 << centro;
        QTest::newRow("modulo inexistente") << "admin" << "admin" << "BODEGA" << false
                                            << "El usuario no tiene acceso al modulo BODEGA" << -7 << "x" << -7 << "x";
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
        QFETCH(int, nuAlmacen);
        QFETCH(QString, almacen);
        int NuUser = -7, NuAlmacen = -7;
        QString Msg = QStringLiteral("antes"), Modulos = QStringLiteral("x"), Almacen = QStringLiteral("x");
        QCOMPARE(r->AccesoUserXModuloXAlmacen(user, pass, modulo, NuUser, NuAlmacen, Msg, Modulos, Almacen),
                 concedido);
        QCOMPARE(Msg, msg);
        QCOMPARE(NuUser, nuUser);
        QCOMPARE(Modulos, modulos);
        QCOMPARE(NuAlmacen, nuAlmacen);
        QCOMPARE(Almacen, almacen);
        QCOMPARE(r->UltimoError(), msg);
    }

    void rechazoOrdenadoPorControl()
    {
        m->ajustes.rechazo = true;
        m->ajustes.rechazo_texto = QString();
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
            {"Guardar_Comanda", [&] { (void)r->Guardar_Comanda(kUser, malo, PedidoDePrueba(1, {LineaDePrueba(1, "101", 1, 80)})); }},
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

        m->ajustes.iva_incluido = false;
        m->ajustes.op_ieps_sobre_iva = 2;
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
        m->ajustes.version = 10077;
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
        QCOMPARE(subs.value(4), QList<int>({41, 42, 43, 44, 45}));
        QCOMPARE(subs.value(5), QList<int>());
    }

    void filtros_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("categoria sin subcategorias")
            << "(PRODUCTO.NUCATEGORIA=2)" << QStringList{"201", "202", "203", "204"};
        QTest::newRow("categoria con subcategorias: todas sus subcategorias")
            << "(PRODUCTO.NUCATEGORIA=3)"
            << QStringList{"301", "302", "303", "304", "305", "306", "307", "308", "309", "311",
                           "312", "313", "314", "315", "321", "322", "323", "324", "325", "326"};
        QTest::newRow("subcategoria")
            << "(PRODUCTO.NUCATEGORIA=1) and (PRODUCTO.NUSUBCATEGORIA=12)"
            << QStringList{"111", "112", "113", "114", "115"};
        QTest::newRow("subcategoria con blancos y mayusculas")
            << " ( PRODUCTO.NUCATEGORIA = 4 )  AND (producto.nusubcategoria=43) "
            << QStringList{"421", "422", "423", "424", "425", "426"};
        QTest::newRow("subcategoria de otra categoria")
            << "(PRODUCTO.NUCATEGORIA=3) and (PRODUCTO.NUSUBCATEGORIA=12)" << QStringList{};
        QTest::newRow("categoria inexistente") << "(PRODUCTO.NUCATEGORIA=99)" << QStringList{};
        QTest::newRow("texto") << "@agua" << QStringList{"401", "402", "403", "404", "405", "413"};
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

    // The sample is big enough to show a restaurant: every product can be reached the
    // way the client browses (a category's own list when it has no subcategories, else a
    // subcategory's), one list takes more than a page of nine tiles, and it has one
    // product in the foreign currency, both IVA rates, several IEPS rates, pictures
    // everywhere and two products out of stock.
    void muestraDelRestaurante()
    {
        QStringList alcanzables;
        qsizetype mayorLista = 0;
        auto listar = [&](const QString &where) {
            const auto l = r->ListaProductoConFoto(kUser, kPass, where, false);
            alcanzables << Ids(*l);
            mayorLista = std::max<qsizetype>(mayorLista, Ids(*l).size());
        };
        const auto categorias = r->ObtenerCategoriasPOS(kUser, kPass, false);
        ParaCada(categorias->ArrayCategoria, categorias->Count, [&](const TCategoria &c, qsizetype) {
            const TListaSubCategoria &subs = *c.ListaSubCategoria;
            if (subs.Count == 0)
                listar(QStringLiteral("(PRODUCTO.NUCATEGORIA=%1)").arg(c.NuCategoria));
            ParaCada(subs.ArraySubCategoria, subs.Count, [&](const TSubCategoria &s, qsizetype) {
                listar(QStringLiteral("(PRODUCTO.NUCATEGORIA=%1) and (PRODUCTO.NUSUBCATEGORIA=%2)")
                           .arg(c.NuCategoria)
                           .arg(s.NuSubCategoria));
            });
        });
        const auto todos = r->ListaProductoConFoto(kUser, kPass, QStringLiteral("@"), true);
        QStringList ids = Ids(*todos);
        QVERIFY2(ids.size() >= 80, qPrintable(QString::number(ids.size())));
        alcanzables.sort();
        ids.sort();
        QCOMPARE(alcanzables, ids);
        QVERIFY(mayorLista > 9);

        int extranjeros = 0;
        QSet<double> iva, ieps;
        QStringList agotados;
        ParaCada(todos->ArrayProducto, todos->Count, [&](const TProducto &p, qsizetype) {
            extranjeros += p.NuMoneda == 2;
            iva << p.TasaIVA;
            ieps << p.TasaIEPS;
            QVERIFY2(EsJpeg(p.Foto), qPrintable(p.ID));
            if (p.Existencia <= 0)
                agotados << p.ID;
        });
        QCOMPARE(extranjeros, 1);
        QCOMPARE(iva, QSet<double>({0, 16}));
        QVERIFY(ieps.size() >= 3);
        QCOMPARE(agotados, QStringList({"305", "326"}));
        QVERIFY(r->ListaMesas(kUser, kPass, 1)->Count >= 12);
    }

    void mesas()
    {
        const auto l = r->ListaMesas(kUser, kPass, 1);
        QVERIFY(l);
        QCOMPARE(l->Count, 14);
        QMap<int, double> cant;
        QMap<int, QString> area;
        ParaCada(l->ArrayInfo1, l->Count, [&](const TInfo1 &m, qsizetype) {
            cant[m.DB] = m.Cant;
            area[m.DB] = m.Sucursal;
        });
        QCOMPARE(cant.keys(), QList<int>({1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 21, 31, 41, 42}));
        QCOMPARE(area.value(11), QStringLiteral("Terraza"));
        // Seeded: one open comanda on Mesa 2 and Mesa 4, two on Terraza 1; Mesa 1's is finished.
        QCOMPARE(cant.value(1), 0.0);
        QCOMPARE(cant.value(2), 1.0);
        QCOMPARE(cant.value(11), 2.0);

        QCOMPARE(r->Guardar_Comanda(kUser, kPass, PedidoDePrueba(1, {LineaDePrueba(1, "101", 1, 80)})), 2);
        QCOMPARE(r->Guardar_Comanda(kUser, kPass, PedidoDePrueba(1, {LineaDePrueba(1, "102", 1, 80)})), 2);
        ParaCada(r->ListaMesas(kUser, kPass, 1)->ArrayInfo1, 14, [&](const TInfo1 &m, qsizetype) {
            if (m.DB == 1)
                QCOMPARE(m.Cant, 2.0);
        });
    }
};

QTEST_MAIN(TstRestaurante)
#include "tst_restaurante.moc"
