// Binding through the service description, and what the transport does when the
// server cannot be reached or takes too long.
#include "EscenarioSoap.h"
#include "service/ItrazenSoap.h"
#include <QThread>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QByteArray Version(int v)
{
    return SobrePrueba(R"(<NS1:VersionWSPosResponse xmlns:NS1="urn:trazenIntf-Itrazen"><return>)"
                       + QByteArray::number(v) + "</return></NS1:VersionWSPosResponse>");
}

/// The message of the error the call raises, or empty when it succeeds.
QString ErrorDe(const std::function<void()> &llamada)
{
    try {
        llamada();
    } catch (const ErrorServicio &e) {
        return e.mensaje();
    }
    return {};
}
} // namespace

class EnlaceSoapTest : public QObject {
    Q_OBJECT
private slots:
    void descripcionUnaVezPorDireccion()
    {
        EscenarioSoap e;
        e.responder(Version(10182));
        QCOMPARE(e.cliente.itrazen()->VersionWSPos(), 10182);
        QCOMPARE(e.cliente.itrazen()->VersionWSPos(), 10182);
        QCOMPARE(e.servidor.cuenta("GET", "/wsdl/Itrazen"), 1);
        QCOMPARE(e.servidor.cuenta("POST", "/soap/Itrazen"), 2);

        // A new sign-in binds again, to the same address or another: fetched anew.
        e.servidor.en("/wsdl/otra", ServidorPrueba::Respuesta{200, WsdlPrueba(e.servidor.url("/soap/otra").toString())});
        e.servidor.en("/soap/otra", ServidorPrueba::Respuesta{200, Version(10078)});
        e.cliente.setDireccion(e.servidor.url("/wsdl/otra").toString());
        QCOMPARE(e.cliente.itrazen()->VersionWSPos(), 10078);
        e.cliente.setDireccion(e.servidor.url("/wsdl/Itrazen").toString());
        QCOMPARE(e.cliente.itrazen()->VersionWSPos(), 10182);
        QCOMPARE(e.servidor.cuenta("GET", "/wsdl/Itrazen"), 2);
        QCOMPARE(e.servidor.cuenta("GET", "/wsdl/otra"), 1);
    }

    void descripcionFallidaSeReintenta()
    {
        EscenarioSoap e;
        e.responder(Version(10182));
        e.servidor.en("/wsdl/Itrazen", ServidorPrueba::Respuesta{503, "en mantenimiento", "text/plain"});
        QCOMPARE(ErrorDe([&] { e.cliente.itrazen()->VersionWSPos(); }),
                 u"La descripción del servicio en %1 respondió con el error HTTP 503 Service Unavailable"_s.arg(
                     e.servidor.url("/wsdl/Itrazen").toString()));
        e.servidor.en("/wsdl/Itrazen", ServidorPrueba::Respuesta{200, WsdlPrueba(e.servidor.url("/soap/Itrazen").toString())});
        QCOMPARE(e.cliente.itrazen()->VersionWSPos(), 10182);
        QCOMPARE(e.servidor.cuenta("GET", "/wsdl/Itrazen"), 2);
    }

    void endpointYAcciones_data()
    {
        QTest::addColumn<QString>("ubicacion"); // %1: the server's base address
        QTest::addColumn<bool>("acciones");
        QTest::addColumn<QByteArray>("ruta");
        QTest::addColumn<QByteArray>("soapAction");
        QTest::newRow("otra ruta, acción de la descripción")
            << u"%1/WSTrazen.dll/soap/Itrazen"_s << true << QByteArray("/WSTrazen.dll/soap/Itrazen")
            << QByteArray("\"urn:trazenIntf-Itrazen#ListaMesas\"");
        QTest::newRow("ubicación relativa a la descripción")
            << u"/rel/Itrazen"_s << true << QByteArray("/rel/Itrazen") << QByteArray("\"urn:trazenIntf-Itrazen#ListaMesas\"");
        QTest::newRow("sin soapAction: acción vacía") << u"%1/soap/Itrazen"_s << false << QByteArray("/soap/Itrazen")
                                                     << QByteArray("\"\"");
    }
    void endpointYAcciones()
    {
        QFETCH(QString, ubicacion);
        QFETCH(bool, acciones);
        QFETCH(QByteArray, ruta);
        QFETCH(QByteArray, soapAction);
        ServidorPrueba s;
        const QString base = s.url("").toString();
        s.en("/wsdl/Itrazen", ServidorPrueba::Respuesta{200, WsdlPrueba(ubicacion.contains(u"%1") ? ubicacion.arg(base) : ubicacion,
                                                                    u"Otroservice"_s, u"OtroPort"_s, acciones)});
        s.en(ruta, ServidorPrueba::Respuesta{200, SobrePrueba("<r/>")});
        SoapClient cliente;
        cliente.setDireccion(s.url("/wsdl/Itrazen").toString(), u"Otroservice"_s, u"OtroPort"_s);
        QVERIFY(!cliente.itrazen()->ListaMesas({}, {}, 1));
        QCOMPARE(s.peticiones().constLast().ruta, ruta);
        QCOMPARE(s.peticiones().constLast().cabeceras.value("soapaction"), soapAction);
    }

    void descripcionInutil_data()
    {
        QTest::addColumn<QByteArray>("descripcion");
        QTest::addColumn<QString>("mensaje");
        const QByteArray buena = WsdlPrueba(u"http://127.0.0.1:1/soap"_s);
        QTest::newRow("sin el servicio") << WsdlPrueba(u"http://127.0.0.1:1/soap"_s, u"Otro"_s)
                                         << u"La descripción del servicio no tiene el servicio Itrazenservice con el puerto ItrazenPort"_s;
        QTest::newRow("sin el puerto") << WsdlPrueba(u"http://127.0.0.1:1/soap"_s, u"Itrazenservice"_s, u"Otro"_s)
                                       << u"La descripción del servicio no tiene el servicio Itrazenservice con el puerto ItrazenPort"_s;
        QTest::newRow("puerto sin dirección") << QByteArray(buena).replace("<soap:address location=\"http://127.0.0.1:1/soap\"/>", "")
                                              << u"La descripción del servicio no da la dirección del puerto ItrazenPort"_s;
        QTest::newRow("no es XML") << QByteArray("<html><body>Hola") << u"La descripción del servicio llegó incompleta"_s;
        QTest::newRow("no es WSDL") << QByteArray("<html/>") << u"no da una descripción de servicio (WSDL)"_s;
        QTest::newRow("con DTD") << QByteArray("<!DOCTYPE d [<!ENTITY x \"y\">]>") + buena.mid(39)
                                 << u"La descripción del servicio declara un tipo de documento (DTD), que no se admite"_s;
    }
    void descripcionInutil()
    {
        QFETCH(QByteArray, descripcion);
        QFETCH(QString, mensaje);
        EscenarioSoap e;
        e.servidor.en("/wsdl/Itrazen", ServidorPrueba::Respuesta{200, descripcion});
        const QString error = ErrorDe([&] { e.cliente.itrazen()->VersionWSPos(); });
        QVERIFY2(error.endsWith(mensaje), qPrintable(error));
        QCOMPARE(e.servidor.cuenta("POST", "/soap/Itrazen"), 0);
    }

    void sinDireccion()
    {
        SoapClient cliente;
        QCOMPARE(ErrorDe([&] { cliente.itrazen()->VersionWSPos(); }), u"No se ha indicado la dirección del servicio"_s);
    }

    void conexionRechazada()
    {
        QTcpServer cerrado;
        QVERIFY(cerrado.listen(QHostAddress::LocalHost));
        const quint16 puerto = cerrado.serverPort();
        cerrado.close();
        SoapClient cliente;
        cliente.setDireccion(u"http://127.0.0.1:%1/WSTrazen.dll/wsdl/Itrazen"_s.arg(puerto));
        QCOMPARE(ErrorDe([&] { cliente.itrazen()->VersionWSPos(); }),
                 u"El servidor 127.0.0.1:%1 rechazó la conexión"_s.arg(puerto));
    }

    void tiempoDeEspera_data()
    {
        QTest::addColumn<QByteArray>("mudo");
        QTest::newRow("la descripción no llega") << QByteArray("/wsdl/Itrazen");
        QTest::newRow("la respuesta no llega") << QByteArray("/soap/Itrazen");
    }
    void tiempoDeEspera()
    {
        QFETCH(QByteArray, mudo);
        EscenarioSoap e;
        e.responder(Version(1));
        ServidorPrueba::Respuesta callar;
        callar.callar = true;
        e.servidor.en(mudo, callar);
        e.cliente.setTimeouts(5000, 150);
        QCOMPARE(ErrorDe([&] { e.cliente.itrazen()->VersionWSPos(); }),
                 u"Tiempo de espera agotado esperando la respuesta del servidor %1 (150 ms)"_s.arg(
                     e.servidor.url("").authority()));
    }

    void llamadaDesdeUnaTarea()
    {
        // As the app calls: on a worker thread, while this thread serves.
        EscenarioSoap e;
        e.responder(Version(10182));
        int version = 0;
        std::unique_ptr<QThread> tarea(QThread::create([&] { version = e.cliente.itrazen()->VersionWSPos(); }));
        tarea->start();
        QTRY_VERIFY(tarea->isFinished());
        QCOMPARE(version, 10182);
    }

    void interfazDeOtroHilo()
    {
        // The interface belongs to the thread that asked for it; elsewhere it refuses.
        EscenarioSoap e;
        e.responder(Version(10182));
        const std::unique_ptr<Itrazen> itrazen = e.cliente.itrazen();
        QString error;
        std::unique_ptr<QThread> tarea(QThread::create([&] { error = ErrorDe([&] { itrazen->VersionWSPos(); }); }));
        tarea->start();
        QTRY_VERIFY(tarea->isFinished());
        QCOMPARE(error, u"Llamada al servicio desde un hilo que no es el suyo"_s);
    }
};

QTEST_GUILESS_MAIN(EnlaceSoapTest)
#include "tst_enlace_soap.moc"
