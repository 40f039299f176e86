// The HTTP exchange of a call as a flaky network or a hostile server makes it: the
// request goes out once whatever happens after, the reply has one deadline and a bound
// on its size, a call can be cancelled from another thread, and the error tells whether
// the server may have acted on the request.
#include "EscenarioSoap.h"
#include "service/ItrazenSoap.h"
#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ServidorPrueba::Respuesta)

namespace {
QByteArray Version(int v)
{
    return SobrePrueba(R"(<NS1:VersionWSPosResponse xmlns:NS1="urn:trazenIntf-Itrazen"><return>)"
                       + QByteArray::number(v) + "</return></NS1:VersionWSPosResponse>");
}

ServidorPrueba::Respuesta Con(const std::function<void(ServidorPrueba::Respuesta &)> &cambio,
                              const QByteArray &cuerpo = Version(10182))
{
    ServidorPrueba::Respuesta r{200, cuerpo};
    cambio(r);
    return r;
}

/// How one call ended.
struct Desenlace {
    int version = 0;
    QString error; // empty: it succeeded
    bool enviada = false, fault = false;
    qint64 ms = 0;
};

Desenlace Llamar(SoapClient &cliente)
{
    Desenlace d;
    QElapsedTimer reloj;
    reloj.start();
    try {
        d.version = cliente.itrazen()->VersionWSPos();
    } catch (const ErrorServicio &e) {
        d.error = e.mensaje();
        d.enviada = e.peticionEnviada();
        d.fault = e.esFault();
    }
    d.ms = reloj.elapsed();
    return d;
}

/// The same call on a worker thread, as the app makes it, while this thread serves.
Desenlace LlamarEnTarea(SoapClient &cliente, const std::function<void()> &mientras = {})
{
    Desenlace d;
    std::unique_ptr<QThread> tarea(QThread::create([&] { d = Llamar(cliente); }));
    tarea->start();
    if (mientras)
        mientras();
    while (!tarea->isFinished())
        QTest::qWait(5);
    tarea->wait();
    return d;
}

/// A body of `prefijo`, `bloque` repeated until `bytes`, and `sufijo`, made on the fly.
ServidorPrueba::Generador Generado(QByteArray prefijo, QByteArray bloque, qint64 bytes, QByteArray sufijo)
{
    return [=, paso = 0, resta = bytes]() mutable -> QByteArray {
        if (paso == 0)
            return ++paso, prefijo;
        if (resta > 0)
            return resta -= bloque.size(), bloque;
        return paso++ == 1 ? sufijo : QByteArray();
    };
}
/// `cuerpo` handed over `trozo` bytes at a time.
ServidorPrueba::Generador EnTrozos(QByteArray cuerpo, qsizetype trozo)
{
    return [=, i = qsizetype(0)]() mutable { return cuerpo.mid(i++ * trozo, trozo); };
}
} // namespace

class TransporteHttpTest : public QObject {
    Q_OBJECT
private slots:
    void cuerpos_data()
    {
        QTest::addColumn<ServidorPrueba::Respuesta>("respuesta");
        QTest::newRow("Content-Length") << Con([](auto &) {});
        QTest::newRow("troceada, con extensión y epílogo") << Con([](auto &r) { r.troceada = true; });
        QTest::newRow("hasta el cierre") << Con([](auto &r) { r.sinLargo = true; });
        QTest::newRow("tras un 100 Continue")
            << Con([](auto &r) { r.antes = "HTTP/1.1 100 Continue\r\nX-Nada: 1\r\n\r\n"; });
        QTest::newRow("troceada, byte a byte") << Con([](auto &r) {
            r.troceada = true;
            r.goteoMs = 1;
        });
        QTest::newRow("troceada en trozos generados") << Con([](auto &r) {
            r.troceada = true;
            r.generar = EnTrozos(r.cuerpo, 7);
            r.cuerpo.clear();
        });
    }
    // However the body is framed and however it is cut by the network, the call reads it.
    void cuerpos()
    {
        QFETCH(ServidorPrueba::Respuesta, respuesta);
        EscenarioSoap e;
        e.servidor.en("/soap/Itrazen", respuesta);
        const Desenlace d = Llamar(e.cliente);
        QCOMPARE(d.error, QString());
        QCOMPARE(d.version, 10182);
    }

    // What goes out: one request with the headers of a SOAP call, on a connection that
    // closes after its reply.
    void peticion()
    {
        EscenarioSoap e;
        e.responder(Version(1));
        QCOMPARE(Llamar(e.cliente).version, 1);
        const ServidorPrueba::Peticion &p = e.servidor.peticiones().constLast();
        QCOMPARE(p.metodo, QByteArray("POST"));
        QCOMPARE(p.cabeceras.value("host"), e.servidor.url("").authority().toLatin1());
        QCOMPARE(p.cabeceras.value("user-agent"), QByteArray("TrazenMovil/2.0"));
        QCOMPARE(p.cabeceras.value("content-type"), QByteArray("text/xml; charset=utf-8"));
        QCOMPARE(p.cabeceras.value("soapaction"), QByteArray("\"urn:trazenIntf-Itrazen#VersionWSPos\""));
        QCOMPARE(p.cabeceras.value("content-length").toLongLong(), p.cuerpo.size());
        QCOMPARE(p.cabeceras.value("connection").toLower(), QByteArray("close"));
        QVERIFY(p.cuerpo.contains("<NS1:VersionWSPos "));
    }

    void sinRespuestaCompleta_data()
    {
        QTest::addColumn<ServidorPrueba::Respuesta>("respuesta");
        QTest::addColumn<QString>("mensaje"); // what the message says; %1 the server
        QTest::newRow("cierra tras la petición") << Con([](auto &r) { r.cerrar = true; })
                                                 << u"El servidor %1 cerró la conexión"_s;
        QTest::newRow("cuerpo cortado") << Con([](auto &r) { r.largo = r.cuerpo.size() + 100; })
                                        << u"El servidor %1 cerró la conexión"_s;
        QTest::newRow("sin el último trozo") << Con([](auto &r) {
            r.troceada = true;
            r.sinUltimoTrozo = true;
        }) << u"El servidor %1 cerró la conexión"_s;
        QTest::newRow("no es HTTP") << Con([](auto &r) { r.antes = "hola\r\n\r\n"; }) << u"no es HTTP"_s;
        QTest::newRow("trozo mal formado") << Con([](auto &r) {
            r.sinLargo = true;
            r.cabeceras = {"Transfer-Encoding: chunked"};
        }, "zz\r\nhola\r\n0\r\n\r\n") << u"trae un trozo mal formado"_s;
        QTest::newRow("dos largos distintos") << Con([](auto &r) { r.cabeceras = {"Content-Length: 3"}; })
                                              << u"trae un Content-Length no válido"_s;
        QTest::newRow("no llega") << Con([](auto &r) { r.callar = true; })
                                  << u"Tiempo de espera agotado esperando la respuesta del servidor %1 (300 ms)"_s;
        QTest::newRow("no es un sobre") << Con([](auto &) {}, "<html/>") << u"no es un sobre SOAP"_s;
        QTest::newRow("mal formada") << Con([](auto &) {}, Version(1).chopped(20)) << u"llegó incompleta"_s;
        QTest::newRow("sin resultado")
            << Con([](auto &) {}, SobrePrueba(R"(<NS1:VersionWSPosResponse xmlns:NS1="urn:trazenIntf-Itrazen"/>)"))
            << u"no trae el resultado"_s;
    }
    // The request reached the server and no whole answer came back: the server may have
    // acted on it, the error says so, and the request was sent exactly once.
    void sinRespuestaCompleta()
    {
        QFETCH(ServidorPrueba::Respuesta, respuesta);
        QFETCH(QString, mensaje);
        EscenarioSoap e;
        e.servidor.en("/soap/Itrazen", respuesta);
        e.cliente.setTimeouts(5000, 300);
        const Desenlace d = Llamar(e.cliente);
        QCOMPARE(e.servidor.cuenta("POST", "/soap/Itrazen"), 1);
        if (mensaje.contains(u"%1"))
            mensaje = mensaje.arg(e.servidor.url("").authority());
        QVERIFY2(d.error.contains(mensaje), qPrintable(d.error));
        QVERIFY(d.enviada);
        QVERIFY(!d.fault);
    }

    void respuestaDefinitiva_data()
    {
        QTest::addColumn<int>("estado");
        QTest::addColumn<QByteArray>("cuerpo");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<bool>("fault");
        QTest::newRow("fault") << 500
                               << SobrePrueba("<SOAP-ENV:Fault><faultcode>SOAP-ENV:Server</faultcode>"
                                              "<faultstring>Sin corte</faultstring></SOAP-ENV:Fault>")
                               << u"Sin corte"_s << true;
        QTest::newRow("HTTP 500 sin sobre") << 500 << QByteArray("falló") << u"error HTTP 500"_s << false;
        QTest::newRow("HTTP 503 con una página") << 503 << QByteArray("<html><body>Mantenimiento</body></html>")
                                                 << u"error HTTP 503"_s << false;
    }
    // A definite answer: the server said no, and the error says it did not act.
    void respuestaDefinitiva()
    {
        QFETCH(int, estado);
        QFETCH(QByteArray, cuerpo);
        QFETCH(QString, mensaje);
        QFETCH(bool, fault);
        EscenarioSoap e;
        e.servidor.en("/soap/Itrazen", ServidorPrueba::Respuesta{estado, cuerpo, "text/html"});
        const Desenlace d = Llamar(e.cliente);
        QVERIFY2(d.error.contains(mensaje), qPrintable(d.error));
        QCOMPARE(d.fault, fault);
        QVERIFY(!d.enviada);
    }

    void nadaEnviado_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("conexión rechazada") << u"rechazada"_s << u"rechazó la conexión"_s;
        QTest::newRow("la descripción no llega") << u"descripción muda"_s << u"Tiempo de espera agotado"_s;
        QTest::newRow("cancelada antes") << u"cancelada"_s << u"Llamada cancelada"_s;
    }
    // Nothing of the call reached the server: the error says so.
    void nadaEnviado()
    {
        QFETCH(QString, caso);
        QFETCH(QString, mensaje);
        EscenarioSoap e;
        e.responder(Version(1));
        e.cliente.setTimeouts(5000, 300);
        if (caso == u"rechazada") {
            QTcpServer cerrado;
            QVERIFY(cerrado.listen(QHostAddress::LocalHost));
            const quint16 puerto = cerrado.serverPort();
            cerrado.close();
            e.cliente.setDireccion(u"http://127.0.0.1:%1/wsdl/Itrazen"_s.arg(puerto));
        } else if (caso == u"descripción muda") {
            e.servidor.en("/wsdl/Itrazen", Con([](auto &r) { r.callar = true; }));
        } else {
            e.cliente.cancelarLlamadas();
        }
        const Desenlace d = Llamar(e.cliente);
        QVERIFY2(d.error.contains(mensaje), qPrintable(d.error));
        QVERIFY(!d.enviada);
        QCOMPARE(e.servidor.cuenta("POST", "/soap/Itrazen"), 0);
    }

    // A server that drips its reply does not hold the call: the deadline is for the whole
    // reply, not for each byte (the drip of the body would take 20 s).
    void goteoConPlazo()
    {
        EscenarioSoap e;
        e.servidor.en("/soap/Itrazen", Con([](auto &r) {
            r.goteoMs = 50;
            r.goteoSoloCuerpo = true;
        }));
        e.cliente.setTimeouts(5000, 600);
        const Desenlace d = Llamar(e.cliente);
        QCOMPARE(d.error, u"Tiempo de espera agotado esperando la respuesta del servidor %1 (600 ms)"_s.arg(
                              e.servidor.url("").authority()));
        QVERIFY(d.enviada);
        QVERIFY2(d.ms < 5000, qPrintable(u"%1 ms"_s.arg(d.ms)));
    }

    // Cancelled from another thread, a call waiting for its reply ends at once, and so
    // does every later call of that client, without reaching the server.
    void cancelarDesdeOtroHilo()
    {
        EscenarioSoap e;
        e.servidor.en("/soap/Itrazen", Con([](auto &r) { r.callar = true; }));
        e.cliente.setTimeouts(30000, 30000);
        QElapsedTimer desdeCancelar;
        const Desenlace d = LlamarEnTarea(e.cliente, [&] {
            QTRY_COMPARE(e.servidor.cuenta("POST", "/soap/Itrazen"), 1);
            std::unique_ptr<QThread> otro(QThread::create([&] { e.cliente.cancelarLlamadas(); }));
            otro->start();
            otro->wait();
            desdeCancelar.start();
        });
        QVERIFY2(desdeCancelar.elapsed() < 1000, qPrintable(u"%1 ms"_s.arg(desdeCancelar.elapsed())));
        QCOMPARE(d.error, u"Llamada cancelada"_s);
        QVERIFY(d.enviada);

        const Desenlace luego = Llamar(e.cliente);
        QCOMPARE(luego.error, u"Llamada cancelada"_s);
        QVERIFY(!luego.enviada);
        QCOMPARE(e.servidor.cuenta("POST", "/soap/Itrazen"), 1);
    }

    void limite_data()
    {
        QTest::addColumn<ServidorPrueba::Respuesta>("respuesta");
        QTest::addColumn<QString>("mensaje");
        const QByteArray antes = "<?xml version=\"1.0\"?><SOAP-ENV:Envelope xmlns:SOAP-ENV=\""
                                 "http://schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body>"
                                 "<NS1:UltimoErrorResponse xmlns:NS1=\"urn:trazenIntf-Itrazen\"><return>";
        const QByteArray despues = "</return></NS1:UltimoErrorResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>";
        // The body would never come: refused on its length alone.
        QTest::newRow("Content-Length de 1 TB") << Con([](auto &r) {
            r.largo = qint64(1) << 40;
            r.generar = [] { return QByteArray(); };
        }) << u"excede el límite de 134217728 bytes"_s;
        const QByteArray letras(64 * 1024, 'A');
        QTest::newRow("200 MB hasta el cierre en valores de 64 KB") << Con([&](auto &r) {
            r.sinLargo = true;
            r.cuerpo.clear();
            r.generar = Generado(antes, "<i>" + letras + "</i>", qint64(200) << 20, despues);
        }) << u"excede el límite de 134217728 bytes"_s;
        QTest::newRow("40 MB troceados en un solo valor") << Con([&](auto &r) {
            r.troceada = true;
            r.cuerpo.clear();
            r.generar = Generado(antes, letras, qint64(40) << 20, despues);
        }) << u"de más de 16777216 bytes"_s;
    }
    void limite()
    {
        QFETCH(ServidorPrueba::Respuesta, respuesta);
        QFETCH(QString, mensaje);
        EscenarioSoap e;
        e.servidor.en("/soap/Itrazen", respuesta);
        e.cliente.setTimeouts(5000, 30000);
        std::unique_ptr<Itrazen> itrazen = e.cliente.itrazen();
        try {
            (void)itrazen->UltimoError();
            QFAIL("se leyó una respuesta que debía rechazarse");
        } catch (const ErrorServicio &error) {
            QVERIFY2(error.mensaje().contains(mensaje), qPrintable(error.mensaje()));
            QVERIFY(error.peticionEnviada());
        }
    }

    void redirecciones_data()
    {
        QTest::addColumn<QByteArray>("ruta"); // the one that answers 302 or 307
        QTest::addColumn<QString>("error");   // empty: the call succeeds
        QTest::newRow("la descripción se sigue") << QByteArray("/wsdl/Itrazen") << QString();
        QTest::newRow("la llamada no") << QByteArray("/soap/Itrazen") << u"error HTTP 307"_s;
    }
    // A GET may follow the server elsewhere; a POST never goes out a second time.
    void redirecciones()
    {
        QFETCH(QByteArray, ruta);
        QFETCH(QString, error);
        EscenarioSoap e;
        e.servidor.en("/wsdl/movida", ServidorPrueba::Respuesta{200, WsdlPrueba(e.servidor.url("/soap/movida").toString())});
        e.servidor.en("/soap/movida", ServidorPrueba::Respuesta{200, Version(7)});
        e.responder(Version(1));
        const QByteArray destino = ruta == "/wsdl/Itrazen" ? "/wsdl/movida" : "/soap/movida";
        e.servidor.en(ruta, Con([&](auto &r) {
            r.estado = ruta == "/wsdl/Itrazen" ? 302 : 307;
            r.cabeceras = {"Location: " + destino};
        }, "movida"));
        const Desenlace d = Llamar(e.cliente);
        QVERIFY2(d.error.contains(error), qPrintable(d.error));
        QCOMPARE(d.version, error.isEmpty() ? 7 : 0);
        QCOMPARE(e.servidor.cuenta("GET", "/wsdl/movida"), error.isEmpty() ? 1 : 0);
        QCOMPARE(e.servidor.cuenta("POST", "/soap/movida"), error.isEmpty() ? 1 : 0);
        QCOMPARE(e.servidor.cuenta("POST", "/soap/Itrazen"), error.isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TransporteHttpTest)
#include "tst_transporte_http.moc"
