// The client's SOAP layer against a running wstrazen-sim: what goes over HTTP arrives
// whole, and each way the server can misbehave reaches the caller as an error.
#include "LlamadasDePrueba.h"
#include "SimProceso.h"
#include "service/ErrorServicio.h"
#include "service/SoapClient.h"
#include "sim/BaseDatos.h"
#include "sim/Restaurante.h"
#include <QJsonArray>
#include <QTcpServer>
#include <QTest>
#include <memory>

using namespace llamadas;

using Preparar = std::function<void(TPedido &)>;
Q_DECLARE_METATYPE(Preparar)

namespace {

/// A loopback port nobody listens on: taken from the system, then let go.
quint16 PuertoCerrado()
{
    QTcpServer s;
    return s.listen(QHostAddress::LocalHost) ? s.serverPort() : 0;
}

} // namespace

class TstExtremo : public QObject {
    Q_OBJECT
    std::unique_ptr<SimProceso> sim;
    SoapClient cliente;
    // The same restaurant in-process, seeded afresh for each test like the sim: what the
    // sim answers must arrive unchanged.
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
    }

    void init()
    {
        QVERIFY2(sim->reiniciar(), qPrintable(sim->error()));
        local.reset();
        m_base = std::make_unique<BaseDatos>();
        m_ajustes = {};
        local = std::make_unique<Restaurante>(m_base->db(), m_ajustes);
    }

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

    // A waiter with point-of-sale rights but no store yet is let in with store 0.
    void usuarioSinAlmacen()
    {
        int nu = -1, alm = -1;
        QString msg = QStringLiteral("antes"), modulos, almacen = QStringLiteral("antes");
        QVERIFY(S()->AccesoUserXModuloXAlmacen(QStringLiteral("practicante"), QStringLiteral("2468"),
                                               QStringLiteral("POS"), nu, alm, msg, modulos, almacen));
        QCOMPARE(std::tuple(nu, alm, msg, modulos, almacen),
                 std::tuple(5, 0, QString(), QStringLiteral("TFFTFTTFFF"), QString()));
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

    void doceOperaciones_data()
    {
        QTest::addColumn<QJsonObject>("ajustes");
        for (const char *esquema : {"1999", "2000", "2001"}) {
            QTest::addRow("multi-referencia, esquema %s", esquema) << QJsonObject{{"esquema", esquema}};
            QTest::addRow("en linea, esquema %s", esquema) << QJsonObject{{"esquema", esquema}, {"multiref", false}};
        }
        QTest::newRow("ids opacos") << QJsonObject{{"prefijo_ids", "obj_"}};
        QTest::newRow("referencias adelantadas") << QJsonObject{{"adelantadas", true}, {"prefijo_ids", "r"}};
    }

    // However the sim writes its replies, each of the twelve operations reads the same
    // over the wire as in-process: nested lists, pictures, a hundred product fields, var
    // and out arguments, and a comanda sent with records by reference.
    void doceOperaciones()
    {
        QFETCH(QJsonObject, ajustes);
        QVERIFY2(sim->ajustar(ajustes), qPrintable(sim->error()));
        QStringList llamadas;
        for (const auto &[operacion, llamar] : Doce()) {
            const std::unique_ptr<Itrazen> remoto = S();
            QCOMPARE(llamar(*remoto), llamar(*local));
            llamadas << operacion;
        }
        QStringList recibidas;
        for (const QJsonValue &l : sim->llamadas())
            recibidas << l["operacion"].toString();
        QCOMPARE(recibidas, llamadas);
        // Not two empty answers agreeing: the comanda went in without its line out of stock.
        QCOMPARE(Una(QStringLiteral("UltimoError"))(*S()).toString(),
                 QStringLiteral("Producto agotado, la comanda se guardo sin el: 305 Chiles en Nogada Temporada"));
        QCOMPARE(sim->comandas().last()["pedido"]["Count"].toInt(), 2);
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
        QTest::addColumn<Preparar>("preparar");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("comandas"); // stored afterwards; six are seeded
        const Preparar nada = [](TPedido &) {};
        QTest::newRow("0: totales que no cuadran")
            << QJsonObject{} << Preparar([](TPedido &p) { p.Total += 1; }) << 0 << 6;
        QTest::newRow("1: un producto agotado") << QJsonObject{} << Preparar([](TPedido &p) {
            p = ComandaConAgotado();
        }) << 1 << 7;
        QTest::newRow("2: guardada") << QJsonObject{} << nada << 2 << 7;
        QTest::newRow("3: sin corte") << QJsonObject{{"corte_abierto", false}} << nada << 3 << 6;
        QTest::newRow("4: mesa inexistente") << QJsonObject{} << Preparar([](TPedido &p) { p.NuPaso = 99; }) << 4 << 6;
        QTest::newRow("5: producto inexistente")
            << QJsonObject{} << Preparar([](TPedido &p) { p.ArrayDetalle[0]->NuProducto = QStringLiteral("9"); }) << 5
            << 6;
        QTest::newRow("codigo impuesto") << QJsonObject{{"guardar_codigo", -1}} << nada << -1 << 6;
    }

    // Every answer of Guardar_Comanda travels back; a refusal says why in UltimoError.
    void codigosDeGuardar()
    {
        QFETCH(QJsonObject, ajustes);
        QFETCH(Preparar, preparar);
        QFETCH(int, codigo);
        QFETCH(int, comandas);
        QVERIFY(sim->ajustar(ajustes));
        TPedido p = Comanda();
        preparar(p);
        QCOMPARE(S()->Guardar_Comanda(kUser, kPass, p), codigo);
        QCOMPARE(sim->comandas().size(), comandas);
        QCOMPARE(S()->UltimoError().isEmpty(), codigo == 2 || codigo == -1);
    }

    void fallos_data()
    {
        // %W: the sim's description, %R: the sim's root page, %C: a closed loopback port;
        // in the message, %S the sim's port and %P the closed one.
        QTest::addColumn<QString>("direccion");
        QTest::addColumn<QString>("servicio");
        QTest::addColumn<QJsonObject>("ajustes");
        QTest::addColumn<QString>("operacion");
        QTest::addColumn<bool>("esFault");
        QTest::addColumn<QString>("mensaje"); // what the message must contain
        const QString W = QStringLiteral("%W"), I = QStringLiteral("Itrazenservice"),
                      L = QStringLiteral("ListaMesas"), V = QStringLiteral("VersionWSPos");
        const QJsonObject nada;
        QTest::newRow("sin servidor") << "http://nohay.invalid:3269/WSTrazen.dll/wsdl/Itrazen" << I << nada << L
                                      << false << "nohay.invalid";
        QTest::newRow("conexion rechazada") << "%C" << I << nada << L << false << "127.0.0.1:%P";
        QTest::newRow("tiempo agotado") << W << I << QJsonObject{{"retraso_ms", 2000}, {"retraso_en", L}} << L
                                        << false << "127.0.0.1:%S";
        QTest::newRow("error HTTP sin sobre") << W << I << QJsonObject{{"http_error", 503}} << L << false << "503";
        QTest::newRow("error HTTP con fault") << W << I << QJsonObject{{"http_error", 500}, {"http_error_fault", true}}
                                              << L << true << "Error HTTP 500 simulado";
        QTest::newRow("descripcion con error HTTP") << W << I << QJsonObject{{"wsdl_error", 404}} << V << false
                                                    << "404";
        QTest::newRow("descripcion que no es XML") << "%R" << I << nada << V << false << "descripción";
        QTest::newRow("descripcion sin el servicio") << W << "Otroservice" << nada << V << false << "Otroservice";
        QTest::newRow("fault") << W << I << QJsonObject{{"fault_en", L}, {"fault_texto", "Base fuera de linea"}} << L
                               << true << "Base fuera de linea";
        QTest::newRow("respuesta mal formada") << W << I << QJsonObject{{"malformado", true}} << L << false << "";
        QTest::newRow("sin resultado entero") << W << I << QJsonObject{{"sin_resultado_en", "*"}} << V << false
                                              << V;
        QTest::newRow("sin resultado, con argumentos var")
            << W << I << QJsonObject{{"sin_resultado_en", "*"}} << "AccesoUserXModuloXAlmacen" << false
            << "AccesoUserXModuloXAlmacen";
        QTest::newRow("sin resultado de Guardar_Comanda")
            << W << I << QJsonObject{{"sin_resultado_en", "Guardar_Comanda"}} << "Guardar_Comanda" << false
            << "Guardar_Comanda";
    }

    // Each way of failing ends the call in an error with a message; a client whose
    // description could not be had fetches it again on its next call.
    void fallos()
    {
        QFETCH(QString, direccion);
        QFETCH(QString, servicio);
        QFETCH(QJsonObject, ajustes);
        QFETCH(QString, operacion);
        QFETCH(bool, esFault);
        QFETCH(QString, mensaje);
        const quint16 cerrado = PuertoCerrado();
        QVERIFY(cerrado > 0);
        direccion.replace(QStringLiteral("%W"), sim->wsdl())
            .replace(QStringLiteral("%R"), sim->base().toString() + u'/')
            .replace(QStringLiteral("%C"), QStringLiteral("http://127.0.0.1:%1/WSTrazen.dll/wsdl/Itrazen").arg(cerrado));
        mensaje.replace(QStringLiteral("%S"), QString::number(sim->puerto()))
            .replace(QStringLiteral("%P"), QString::number(cerrado));
        QVERIFY(sim->ajustar(ajustes));
        SoapClient propio;
        propio.setDireccion(direccion, servicio);
        // Only the delayed reply is to run out of time, however loaded the machine.
        propio.setTimeouts(30000, ajustes.contains(QStringLiteral("retraso_ms")) ? 500 : 30000);
        try {
            (void)Una(operacion)(*propio.itrazen());
            QFAIL("la llamada no fallo");
        } catch (const ErrorServicio &e) {
            QVERIFY2(!e.mensaje().trimmed().isEmpty(), "un error sin mensaje");
            QVERIFY2(e.mensaje().contains(mensaje), qPrintable(e.mensaje()));
            QCOMPARE(e.esFault(), esFault);
        }
        if (direccion != sim->wsdl() || servicio != QStringLiteral("Itrazenservice"))
            return;
        QVERIFY(sim->reiniciar());
        QCOMPARE(propio.itrazen()->ListaMesas(kUser, kPass, 1)->Count, 14);
    }

    // A new address is bound before the next call: its description is fetched (a
    // failure there fails the call, though the old binding was good) and its endpoint used.
    void nuevaDireccion()
    {
        SimProceso otro({QStringLiteral("--version"), QStringLiteral("10077")});
        QVERIFY2(otro.enMarcha(), qPrintable(otro.error()));
        SoapClient c;
        c.setDireccion(sim->wsdl());
        QCOMPARE(c.itrazen()->VersionWSPos(), 10182);

        QVERIFY(otro.ajustar({{"wsdl_error", 503}}));
        c.setDireccion(otro.wsdl());
        QVERIFY_THROWS_EXCEPTION(ErrorServicio, c.itrazen()->VersionWSPos());
        QVERIFY(otro.ajustar({{"wsdl_error", 0}}));
        QCOMPARE(c.itrazen()->VersionWSPos(), 10077);
        QCOMPARE(otro.llamadas().size(), 1);
        QCOMPARE(sim->llamadas().size(), 1);

        c.setDireccion(sim->wsdl());
        QCOMPARE(c.itrazen()->VersionWSPos(), 10182);
        QCOMPARE(sim->llamadas().size(), 2);
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

    // The server goes away and comes back on the same address with what it had stored.
    void servidorQueSeVa()
    {
        QCOMPARE(S()->Guardar_Comanda(kUser, kPass, Comanda()), 2);
        QVERIFY(sim->detener());
        try {
            (void)S()->ListaComandas(kUser, kPass, 1);
            QFAIL("ListaComandas sin servidor no fallo");
        } catch (const ErrorServicio &e) {
            QVERIFY2(e.mensaje().contains(QStringLiteral("127.0.0.1:%1").arg(sim->puerto())), qPrintable(e.mensaje()));
        }
        QVERIFY2(sim->reanudar(), qPrintable(sim->error()));
        QCOMPARE(S()->ListaComandas(kUser, kPass, 1)->Count, 5);
    }
};

QTEST_MAIN(TstExtremo)
#include "tst_extremo.moc"
