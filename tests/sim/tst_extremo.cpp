// The client's SOAP layer against a running wstrazen-sim: what goes over HTTP arrives
// whole, and each way the server can misbehave reaches the caller as an error.
#include "SimProceso.h"
#include "service/ErrorServicio.h"
#include "service/SoapClient.h"
#include "sim/BaseDatos.h"
#include "sim/RegistroJson.h"
#include "sim/Restaurante.h"
#include <QJsonArray>
#include <QTest>
#include <memory>

namespace {

const QString kUser = QStringLiteral("mesero");
const QString kPass = QStringLiteral("1234");

// A comanda as the client composes it; amounts chosen to survive 15 significant digits.
TPedido Comanda()
{
    TPedido p;
    p.NuPaso = 12;
    p.ReferenciaPago = QStringLiteral("Señora Núñez <VIP> & familia");
    p.NuEstado = 3;
    p.Cliente.emplace();
    TDetalle a;
    a.NuDetalle = 1;
    a.NuProducto = QStringLiteral("203");
    a.Producto = QStringLiteral("Pozole Rojo Receta de Jalisco");
    a.Cantidad = 2;
    a.Precio = 112.068966;
    a.TasaIVA = 16;
    a.SubTotal = 224.137932;
    a.IVA = 35.862069;
    a.Total = 260.000001;
    a.PreOri = 130;
    a.Esp1 = QStringLiteral("Grande");
    a.Esp2 = QStringLiteral("Surtido");
    a.Esp6 = QStringLiteral("Sin rábano");
    TDetalle b;
    b.NuDetalle = 2;
    b.NuProducto = QStringLiteral("303");
    b.Producto = QStringLiteral("Corte Rib Eye Importado 400 g");
    b.Cantidad = 1;
    b.Precio = 532.12;
    b.TasaIVA = 16;
    b.SubTotal = 532.12;
    b.IVA = 85.14;
    b.Total = 617.26;
    b.PreOri = 617.175;
    p.ArrayDetalle = {a, b};
    p.Count = 2;
    p.SubTotal = 756.257932;
    p.IVA = 121.002069;
    p.Total = 877.260001;
    return p;
}

template <class R> QJsonObject Json(const std::optional<R> &r)
{
    return r ? RegistroJson(*r) : QJsonObject();
}

} // namespace

class TstExtremo : public QObject {
    Q_OBJECT
    std::unique_ptr<SimProceso> sim;
    SoapClient cliente;
    // The same restaurant in-process: what the sim answers must arrive unchanged.
    std::unique_ptr<BaseDatos> m_base;
    AjustesSim m_ajustes;
    std::unique_ptr<Restaurante> local;

    std::unique_ptr<Itrazen> S() { return cliente.itrazen(); }

private slots:
    void initTestCase()
    {
        sim = std::make_unique<SimProceso>();
        QVERIFY2(sim->enMarcha(), qPrintable(sim->error()));
        cliente.setDireccion(sim->wsdl());
        cliente.setTimeouts(30000, 30000);
        m_base = std::make_unique<BaseDatos>();
        local = std::make_unique<Restaurante>(m_base->db(), m_ajustes);
    }

    void init() { QVERIFY2(sim->reiniciar(), qPrintable(sim->error())); }

    void inicioDeSesion()
    {
        QCOMPARE(S()->VersionWSPos(), 10182);
        int nu = 0, alm = 0;
        QString msg, modulos, almacen;
        QVERIFY(S()->AccesoUserXModuloXAlmacen(kUser, kPass, QStringLiteral("POS"), nu, alm, msg, modulos, almacen));
        QCOMPARE(std::tuple(nu, alm, modulos, almacen),
                 std::tuple(3, 1, QStringLiteral("TFFTFTTFFF"), QStringLiteral("Sucursal Centro")));
        QString n, c, rfc, dom, tel, correo;
        bool iva = false;
        int ieps = -1;
        double venta = 0, compra = 0;
        S()->DatosEmpresa2(n, c, rfc, dom, tel, correo, iva, ieps, venta, compra);
        QCOMPARE(std::tuple(c, iva, ieps, venta, compra),
                 std::tuple(QStringLiteral("La Candelaria Cocina Mexicana"), true, 0, 18.99, 18.90));
        QString p[5];
        S()->DatosEmpresa3(p[0], p[1], p[2], p[3], p[4]);
        QCOMPARE(p[4], QStringLiteral("Caja"));

        // Each call went with the SOAPAction the description gives, in quotes.
        const QJsonArray llamadas = sim->llamadas();
        QCOMPARE(llamadas.size(), 4);
        for (const QJsonValue &l : llamadas)
            QCOMPARE(l["accion"].toString(), QStringLiteral("\"urn:trazenIntf-Itrazen#%1\"").arg(l["operacion"].toString()));
    }

    void claveEquivocada()
    {
        int nu = 0, alm = 0;
        QString msg, modulos, almacen;
        QVERIFY(!S()->AccesoUserXModuloXAlmacen(kUser, QStringLiteral("0000"), QStringLiteral("POS"), nu, alm, msg,
                                                modulos, almacen));
        QCOMPARE(msg, QStringLiteral("Usuario o contraseña incorrectos"));
        try {
            (void)S()->ListaMesas(kUser, QStringLiteral("0000"), 1);
            QFAIL("ListaMesas con clave equivocada no fallo");
        } catch (const ErrorServicio &e) {
            QVERIFY(e.esFault());
            QCOMPARE(e.mensaje(), QStringLiteral("Usuario o contraseña incorrectos"));
        }
        QCOMPARE(S()->UltimoError(), QStringLiteral("Usuario o contraseña incorrectos"));
    }

    // A comanda sent whole comes back whole from the control interface, shows in the
    // lists, and its dishes reach the ready-dish poll once the kitchen marks them.
    void comandaIdaYVuelta()
    {
        const TPedido enviado = Comanda();
        QCOMPARE(S()->Guardar_Comanda(kUser, kPass, enviado), 2);

        const QJsonObject guardada = sim->comandas().last().toObject();
        QCOMPARE(guardada["pedido"].toObject(), RegistroJson(enviado));
        const int nu = guardada["numero"].toInt();

        bool vista = false;
        const auto comandas = S()->ListaComandas(kUser, kPass, 1);
        ParaCada(comandas->ArrayInfo1, comandas->Count, [&](const TInfo1 &c, qsizetype) {
            if (c.DB != nu)
                return;
            vista = true;
            QCOMPARE(std::tuple(c.NuAlmacen, c.Nombre, c.Sucursal, c.Cant, c.Total),
                     std::tuple(12, enviado.ReferenciaPago, QStringLiteral("Terraza 2"), 3.0, enviado.Total));
            QVERIFY(c.Fecha && c.Hora);
        });
        QVERIFY(vista);

        QCOMPARE(sim->marcarListos(nu), 2);
        int platillos = -1;
        auto parrilla = S()->ObtenerSurtido(kUser, kPass, 2, 0, platillos);
        QCOMPARE(platillos, 1);
        QCOMPARE(parrilla->ArraySurtido.at(0)->Producto, QStringLiteral("Corte Rib Eye Importado 400 g"));
        QCOMPARE(parrilla->ArraySurtido.at(0)->Mesa, QStringLiteral("Terraza 2"));
        (void)S()->ObtenerSurtido(kUser, kPass, 0, 0, platillos);
        QCOMPARE(platillos, 4); // two seeded, two new
        (void)S()->ObtenerSurtido(kUser, kPass, 0, 1, platillos);
        QCOMPARE(platillos, 0);
        (void)S()->ObtenerSurtido(kUser, kPass, 0, 0, platillos);
        QCOMPARE(platillos, 0);

        QVERIFY(sim->cerrarComanda(nu, 120.5));
        int pen = -1, fin = -1;
        double propinas = -1, total = -1;
        S()->ObtenerResumen(kUser, kPass, pen, fin, propinas, total);
        QCOMPARE(std::tuple(pen, fin, propinas), std::tuple(2, 3, 190.5));
    }

    void codigosDeGuardar_data()
    {
        QTest::addColumn<QJsonObject>("ajustes");
        QTest::addColumn<int>("mesa");
        QTest::addColumn<int>("codigo");
        QTest::newRow("mesa inexistente") << QJsonObject{} << 99 << 4;
        QTest::newRow("sin corte") << QJsonObject{{"corte_abierto", false}} << 12 << 3;
        QTest::newRow("codigo impuesto") << QJsonObject{{"guardar_codigo", -1}} << 12 << -1;
    }

    void codigosDeGuardar()
    {
        QFETCH(QJsonObject, ajustes);
        QFETCH(int, mesa);
        QFETCH(int, codigo);
        QVERIFY(sim->ajustar(ajustes));
        TPedido p = Comanda();
        p.NuPaso = mesa;
        QCOMPARE(S()->Guardar_Comanda(kUser, kPass, p), codigo);
        QCOMPARE(sim->comandas().size(), 6);
    }

    void formasDeRespuesta_data()
    {
        QTest::addColumn<QJsonObject>("ajustes");
        for (const char *esquema : {"1999", "2000", "2001"}) {
            QTest::addRow("multi-referencia, esquema %s", esquema) << QJsonObject{{"esquema", esquema}};
            QTest::addRow("en linea, esquema %s", esquema) << QJsonObject{{"esquema", esquema}, {"multiref", false}};
        }
        QTest::newRow("ids opacos") << QJsonObject{{"prefijo_ids", "obj_"}};
        QTest::newRow("referencias adelantadas") << QJsonObject{{"adelantadas", true}, {"prefijo_ids", "r"}};
    }

    // However the sim writes its replies, the client reads the same records: nested
    // lists, pictures, a hundred product fields, var arguments.
    void formasDeRespuesta()
    {
        QFETCH(QJsonObject, ajustes);
        QVERIFY2(sim->ajustar(ajustes), qPrintable(sim->error()));
        QCOMPARE(Json(S()->ObtenerCategoriasPOS(kUser, kPass, true)),
                 Json(local->ObtenerCategoriasPOS(kUser, kPass, true)));
        const QString filtro = QStringLiteral("(PRODUCTO.NUCATEGORIA=4) and (PRODUCTO.NUSUBCATEGORIA=42)");
        QCOMPARE(Json(S()->ListaProductoConFoto(kUser, kPass, filtro, false)),
                 Json(local->ListaProductoConFoto(kUser, kPass, filtro, false)));
        QCOMPARE(Json(S()->ListaMesas(kUser, kPass, 1)), Json(local->ListaMesas(kUser, kPass, 1)));
        int a = -1, b = -1;
        QCOMPARE(Json(S()->ObtenerSurtido(kUser, kPass, 0, 0, a)), Json(local->ObtenerSurtido(kUser, kPass, 0, 0, b)));
        QCOMPARE(a, b);
        QCOMPARE(S()->VersionWSPos(), 10182);
    }

    void fallosDelServidor_data()
    {
        QTest::addColumn<QJsonObject>("ajustes");
        QTest::addColumn<bool>("esFault");
        QTest::addColumn<QString>("mensaje"); // empty: any
        QTest::newRow("fault") << QJsonObject{{"fault_en", "ListaMesas"}, {"fault_texto", "Base fuera de linea"}}
                               << true << "Base fuera de linea";
        QTest::newRow("fault en todas") << QJsonObject{{"fault_en", "*"}} << true << "Error simulado del servidor";
        QTest::newRow("error HTTP con fault") << QJsonObject{{"http_error", 500}, {"http_error_fault", true}} << true
                                              << "Error HTTP 500 simulado";
        QTest::newRow("error HTTP sin sobre") << QJsonObject{{"http_error", 503}} << false << "";
        QTest::newRow("respuesta mal formada") << QJsonObject{{"malformado", true}} << false << "";
    }

    void fallosDelServidor()
    {
        QFETCH(QJsonObject, ajustes);
        QFETCH(bool, esFault);
        QFETCH(QString, mensaje);
        QVERIFY(sim->ajustar(ajustes));
        try {
            (void)S()->ListaMesas(kUser, kPass, 1);
            QFAIL("ListaMesas no fallo");
        } catch (const ErrorServicio &e) {
            QCOMPARE(e.esFault(), esFault);
            if (!mensaje.isEmpty())
                QCOMPARE(e.mensaje(), mensaje);
            QVERIFY(!e.mensaje().isEmpty());
        }
        QVERIFY(sim->reiniciar());
        QCOMPARE(S()->ListaMesas(kUser, kPass, 1)->Count, 14);
    }

    void faultEsElUltimoError()
    {
        QVERIFY(sim->ajustar({{"fault_en", "DatosEmpresa2"}, {"fault_texto", "Empresa bloqueada"}}));
        QString t[6];
        bool iva = false;
        int ieps = 0;
        double v = 0, c = 0;
        QVERIFY_THROWS_EXCEPTION(ErrorServicio, S()->DatosEmpresa2(t[0], t[1], t[2], t[3], t[4], t[5], iva, ieps, v, c));
        QCOMPARE(S()->UltimoError(), QStringLiteral("Empresa bloqueada"));
    }

    void sinDescripcion()
    {
        QVERIFY(sim->ajustar({{"wsdl_error", 404}}));
        SoapClient nuevo;
        nuevo.setDireccion(sim->wsdl());
        QVERIFY_THROWS_EXCEPTION(ErrorServicio, nuevo.itrazen()->VersionWSPos());
        QVERIFY(sim->ajustar({{"wsdl_error", 0}}));
        QCOMPARE(nuevo.itrazen()->VersionWSPos(), 10182);
    }

    void respuestaQueNoLlega()
    {
        QVERIFY(sim->ajustar({{"retraso_ms", 3000}, {"retraso_en", "ListaMesas"}}));
        SoapClient impaciente;
        impaciente.setDireccion(sim->wsdl());
        impaciente.setTimeouts(30000, 500);
        QCOMPARE(impaciente.itrazen()->VersionWSPos(), 10182);
        QVERIFY_THROWS_EXCEPTION(ErrorServicio, impaciente.itrazen()->ListaMesas(kUser, kPass, 1));
    }

    // The server goes away and comes back on the same address with what it had stored.
    void servidorQueSeVa()
    {
        QCOMPARE(S()->Guardar_Comanda(kUser, kPass, Comanda()), 2);
        QVERIFY(sim->detener());
        QVERIFY_THROWS_EXCEPTION(ErrorServicio, S()->ListaComandas(kUser, kPass, 1));
        QVERIFY2(sim->reanudar(), qPrintable(sim->error()));
        QCOMPARE(S()->ListaComandas(kUser, kPass, 1)->Count, 5);
    }
};

QTEST_MAIN(TstExtremo)
#include "tst_extremo.moc"
