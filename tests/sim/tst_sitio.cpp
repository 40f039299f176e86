// The sim behind its HTTP front, in-process: routing, the control interface and the
// ways a SOAP reply can be told to misbehave.
#include "LlamadasDePrueba.h"
#include "service/CodificadorSoap.h"
#include "service/RefValor.h"
#include "sim/Sitio.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

namespace {

QByteArray Sobre(const QString &operacion, const QString &argumentos = {})
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
               "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\""
               " xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""
               " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
               " xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\">"
               "<SOAP-ENV:Body SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\">"
               "<NS1:%1 xmlns:NS1=\"urn:trazenIntf-Itrazen\">%2</NS1:%1></SOAP-ENV:Body></SOAP-ENV:Envelope>")
        .arg(operacion, argumentos)
        .toUtf8();
}

const QString kCredenciales = QStringLiteral("<User xsi:type=\"xsd:string\">mesero</User>"
                                             "<Pass xsi:type=\"xsd:string\">1234</Pass>"
                                             "<NuMesero xsi:type=\"xsd:int\">1</NuMesero>");

bool BienFormado(const QByteArray &xml)
{
    QXmlStreamReader r(xml);
    while (!r.atEnd())
        r.readNext();
    return !r.hasError();
}

// The faultstring of a fault envelope, or a null string.
QString Faultstring(const QByteArray &xml)
{
    QXmlStreamReader r(xml);
    while (!r.atEnd())
        if (r.readNext() == QXmlStreamReader::StartElement && r.name() == u"faultstring")
            return r.readElementText();
    return {};
}

QJsonValue Json(const RespuestaHttp &r)
{
    const QJsonDocument d = QJsonDocument::fromJson(r.cuerpo);
    return d.isArray() ? QJsonValue(d.array()) : QJsonValue(d.object());
}

} // namespace

class TstSitio : public QObject {
    Q_OBJECT
    std::unique_ptr<Sitio> m_sitio;

    RespuestaHttp Pedir(const QByteArray &metodo, const QString &ruta, const QByteArray &cuerpo = {},
                        const QByteArray &accion = {}, const QByteArray &host = "127.0.0.1:3269")
    {
        return m_sitio->atender({metodo, ruta, host, accion, cuerpo});
    }
    RespuestaHttp Soap(const QString &operacion, const QString &argumentos = {})
    {
        return Pedir("POST", QStringLiteral("/WSTrazen.dll/soap/Itrazen"), Sobre(operacion, argumentos),
                     "\"urn:trazenIntf-Itrazen#" + operacion.toLatin1() + '"');
    }
    RespuestaHttp Controlar(const QByteArray &metodo, const QString &ruta, const QJsonObject &cuerpo = {})
    {
        return Pedir(metodo, QStringLiteral("/control/") + ruta, QJsonDocument(cuerpo).toJson());
    }

private slots:
    void init()
    {
        AjustesSim iniciales;
        iniciales.version = 10100; // as given on the command line
        m_sitio = std::make_unique<Sitio>(QString(), iniciales);
    }

    void cleanup() { m_sitio.reset(); }

    void rutas_data()
    {
        QTest::addColumn<QByteArray>("metodo");
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<int>("estado");
        QTest::newRow("descripcion") << QByteArray("GET") << "/WSTrazen.dll/wsdl/Itrazen" << 200;
        QTest::newRow("descripcion en otras mayusculas") << QByteArray("GET") << "/wstrazen.dll/WSDL/itrazen" << 200;
        QTest::newRow("descripcion por POST") << QByteArray("POST") << "/WSTrazen.dll/wsdl/Itrazen" << 405;
        QTest::newRow("soap por GET") << QByteArray("GET") << "/WSTrazen.dll/soap/Itrazen" << 405;
        QTest::newRow("indice") << QByteArray("GET") << "/" << 200;
        QTest::newRow("inexistente") << QByteArray("GET") << "/WSTrazen.dll/wsdl/Otro" << 404;
        QTest::newRow("control inexistente") << QByteArray("GET") << "/control/nada" << 404;
        QTest::newRow("control con otro metodo") << QByteArray("GET") << "/control/reiniciar" << 405;
    }

    void rutas()
    {
        QFETCH(QByteArray, metodo);
        QFETCH(QString, ruta);
        QFETCH(int, estado);
        QCOMPARE(Pedir(metodo, ruta).estado, estado);
    }

    // The endpoint in the description is the host the client reached.
    void descripcionConElHostPedido()
    {
        const RespuestaHttp r = Pedir("GET", QStringLiteral("/WSTrazen.dll/wsdl/Itrazen"), {}, {}, "192.168.1.5:3269");
        QVERIFY(r.cuerpo.contains("location=\"http://192.168.1.5:3269/WSTrazen.dll/soap/Itrazen\""));
        QVERIFY(m_sitio->ajustes().aplicar({{"wsdl_error", 404}}).isEmpty());
        QCOMPARE(Pedir("GET", QStringLiteral("/WSTrazen.dll/wsdl/Itrazen")).estado, 404);
    }

    void malComportamiento_data()
    {
        QTest::addColumn<QByteArray>("ajustes");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("clase"); // respuesta, fault, texto, malformado
        QTest::addColumn<QByteArray>("contiene");
        QTest::newRow("normal") << QByteArray("{}") << 200 << "respuesta" << QByteArray(">10100<");
        QTest::newRow("otra version") << QByteArray(R"({"version": 1})") << 200 << "respuesta" << QByteArray(">1<");
        QTest::newRow("fault en todas")
            << QByteArray(R"({"fault_en": "*", "fault_texto": "Base caida"})") << 500 << "fault" << QByteArray();
        QTest::newRow("fault en esta, en una lista")
            << QByteArray(R"({"fault_en": "UltimoError, VersionWSPos"})") << 500 << "fault" << QByteArray();
        QTest::newRow("fault en otra") << QByteArray(R"({"fault_en": "ListaMesas"})") << 200 << "respuesta"
                                       << QByteArray();
        QTest::newRow("error HTTP sin sobre") << QByteArray(R"({"http_error": 503})") << 503 << "texto" << QByteArray();
        QTest::newRow("error HTTP con fault")
            << QByteArray(R"({"http_error": 500, "http_error_fault": true})") << 500 << "fault" << QByteArray();
        QTest::newRow("error HTTP en otra")
            << QByteArray(R"({"http_error": 503, "http_error_en": "ListaMesas"})") << 200 << "respuesta"
            << QByteArray();
        QTest::newRow("error HTTP gana al fault")
            << QByteArray(R"({"http_error": 502, "fault_en": "*"})") << 502 << "texto" << QByteArray();
        QTest::newRow("malformado") << QByteArray(R"({"malformado": true})") << 200 << "malformado" << QByteArray();
        QTest::newRow("fault malformado") << QByteArray(R"({"malformado": true, "fault_en": "*"})") << 500
                                          << "malformado" << QByteArray();
        QTest::newRow("malformado en otra")
            << QByteArray(R"({"malformado": true, "malformado_en": "ListaMesas"})") << 200 << "respuesta"
            << QByteArray();
        QTest::newRow("esquema 1999") << QByteArray(R"({"esquema": "1999"})") << 200 << "respuesta"
                                      << QByteArray("\"http://www.w3.org/1999/XMLSchema-instance\"");
        QTest::newRow("esquema 2000") << QByteArray(R"({"esquema": "2000"})") << 200 << "respuesta"
                                      << QByteArray("\"http://www.w3.org/2000/10/XMLSchema-instance\"");
        QTest::newRow("fault en esquema 1999") << QByteArray(R"({"esquema": "1999", "fault_en": "*"})") << 500
                                               << "fault" << QByteArray("\"http://www.w3.org/1999/XMLSchema");
    }

    void malComportamiento()
    {
        QFETCH(QByteArray, ajustes);
        QFETCH(int, estado);
        QFETCH(QString, clase);
        QFETCH(QByteArray, contiene);
        QCOMPARE(m_sitio->ajustes().aplicar(QJsonDocument::fromJson(ajustes).object()), QString());
        const RespuestaHttp r = Soap(QStringLiteral("VersionWSPos"));
        QCOMPARE(r.estado, estado);
        QCOMPARE(BienFormado(r.cuerpo), clase != u"malformado" && clase != u"texto");
        QCOMPARE(r.tipo.startsWith("text/xml"), clase != u"texto");
        if (clase == u"fault")
            QCOMPARE(Faultstring(r.cuerpo).isEmpty(), false);
        if (clase == u"respuesta")
            QVERIFY(r.cuerpo.contains("VersionWSPosResponse"));
        QVERIFY2(r.cuerpo.contains(contiene), r.cuerpo.constData());
    }

    // An injected fault is what UltimoError tells next, and the operation did not run.
    void faultEsElUltimoError()
    {
        QVERIFY(m_sitio->ajustes().aplicar({{"fault_en", "Guardar_Comanda"}, {"fault_texto", "Disco lleno"}}).isEmpty());
        const RespuestaHttp r = Soap(QStringLiteral("Guardar_Comanda"), kCredenciales);
        QCOMPARE(Faultstring(r.cuerpo), QStringLiteral("Disco lleno"));
        QVERIFY(Soap(QStringLiteral("UltimoError")).cuerpo.contains(">Disco lleno<"));
        QCOMPARE(Json(Controlar("GET", "comandas")).toArray().size(), 6);
    }

    void peticionesErroneas_data()
    {
        QTest::addColumn<QByteArray>("cuerpo");
        QTest::addColumn<QString>("fault");
        QTest::newRow("no es XML") << QByteArray("hola") << QString();
        QTest::newRow("operacion desconocida") << Sobre("VersionWS") << "Operacion desconocida: VersionWS";
        QTest::newRow("falta un argumento") << Sobre("ListaMesas", "<User xsi:type=\"xsd:string\">mesero</User>")
                                            << "Falta el argumento Pass de ListaMesas";
    }

    void peticionesErroneas()
    {
        QFETCH(QByteArray, cuerpo);
        QFETCH(QString, fault);
        const RespuestaHttp r = Pedir("POST", QStringLiteral("/WSTrazen.dll/soap/Itrazen"), cuerpo);
        QCOMPARE(r.estado, 500);
        QVERIFY(!Faultstring(r.cuerpo).isEmpty());
        if (!fault.isEmpty())
            QCOMPARE(Faultstring(r.cuerpo), fault);
    }

    void formaDeLaRespuesta_data()
    {
        QTest::addColumn<QByteArray>("ajustes");
        QTest::addColumn<QByteArrayList>("contiene");
        QTest::addColumn<QByteArrayList>("noContiene");
        QTest::newRow("multi-referencia") << QByteArray("{}") << QByteArrayList{"<return href=\"#1\"", " id=\"1\""}
                                          << QByteArrayList{};
        QTest::newRow("en linea") << QByteArray(R"({"multiref": false})") << QByteArrayList{"<DB "}
                                  << QByteArrayList{"href=", " id="};
        QTest::newRow("ids con prefijo") << QByteArray(R"({"prefijo_ids": "ref"})")
                                         << QByteArrayList{"href=\"#ref1\"", " id=\"ref1\""} << QByteArrayList{};
        QTest::newRow("sin resultado") << QByteArray(R"({"sin_resultado_en": "ListaMesas"})")
                                       << QByteArrayList{"ListaMesasResponse"} << QByteArrayList{"<return", "href="};
        QTest::newRow("sin resultado en otra") << QByteArray(R"({"sin_resultado_en": "VersionWSPos"})")
                                               << QByteArrayList{"<return href=\"#1\""} << QByteArrayList{};
    }

    void formaDeLaRespuesta()
    {
        QFETCH(QByteArray, ajustes);
        QFETCH(QByteArrayList, contiene);
        QFETCH(QByteArrayList, noContiene);
        QCOMPARE(m_sitio->ajustes().aplicar(QJsonDocument::fromJson(ajustes).object()), QString());
        const RespuestaHttp r = Soap(QStringLiteral("ListaMesas"), kCredenciales);
        QCOMPARE(r.estado, 200);
        for (const QByteArray &c : contiene)
            QVERIFY2(r.cuerpo.contains(c), c.constData());
        for (const QByteArray &c : noContiene)
            QVERIFY2(!r.cuerpo.contains(c), c.constData());
    }

    void retrasoSoloDondeToca()
    {
        QVERIFY(m_sitio->ajustes().aplicar({{"retraso_ms", 1500}, {"retraso_en", "ListaMesas"}}).isEmpty());
        QCOMPARE(Soap(QStringLiteral("ListaMesas"), kCredenciales).retrasoMs, 1500);
        QCOMPARE(Soap(QStringLiteral("VersionWSPos")).retrasoMs, 0);
        QCOMPARE(Controlar("GET", "estado").retrasoMs, 0);
    }

    void entregaTrasElTrabajo_data()
    {
        QTest::addColumn<QByteArray>("ajustes");
        QTest::addColumn<int>("corte"); // RespuestaHttp::Corte
        QTest::addColumn<int>("goteoMs");
        QTest::addColumn<int>("tardeMs");
        const int ninguno = int(RespuestaHttp::Corte::Ninguno);
        QTest::newRow("normal") << QByteArray("{}") << ninguno << 0 << 0;
        QTest::newRow("cierra") << QByteArray(R"({"cerrar_en": "Guardar_Comanda"})")
                                << int(RespuestaHttp::Corte::Cerrar) << 0 << 0;
        QTest::newRow("muere, aunque también cierre") << QByteArray(R"({"cerrar_en": "*", "morir_en": "Guardar_Comanda"})")
                                                       << int(RespuestaHttp::Corte::Morir) << 0 << 0;
        QTest::newRow("gotea") << QByteArray(R"({"gotear_en": "*", "goteo_ms": 40})") << ninguno << 40 << 0;
        QTest::newRow("tarde") << QByteArray(R"({"tarde_en": "ListaMesas, Guardar_Comanda", "tarde_ms": 700})")
                               << ninguno << 0 << 700;
        QTest::newRow("en otra") << QByteArray(R"({"cerrar_en": "ListaMesas", "gotear_en": "ListaMesas"})") << ninguno
                                 << 0 << 0;
    }

    // However the answer is to leave, the operation has done its work first: the comanda is stored.
    void entregaTrasElTrabajo()
    {
        QFETCH(QByteArray, ajustes);
        QFETCH(int, corte);
        QFETCH(int, goteoMs);
        QFETCH(int, tardeMs);
        QCOMPARE(m_sitio->ajustes().aplicar(QJsonDocument::fromJson(ajustes).object()), QString());
        std::optional<TPedido> pedido = llamadas::Comanda();
        QString usuario = llamadas::kUser, clave = llamadas::kPass;
        const RespuestaHttp r = Pedir("POST", QStringLiteral("/WSTrazen.dll/soap/Itrazen"),
                                      EscribirPeticionSoap(QStringLiteral("Guardar_Comanda"),
                                                           {{QStringLiteral("User"), Entrada(usuario)},
                                                            {QStringLiteral("Pass"), Entrada(clave)},
                                                            {QStringLiteral("Pedido"), Valor::de(pedido)}}));
        QVERIFY2(r.cuerpo.contains(">2</return>"), r.cuerpo.constData());
        QCOMPARE(std::tuple(int(r.corte), r.goteoMs, r.tardeMs), std::tuple(corte, goteoMs, tardeMs));
        QCOMPARE(Json(Controlar("GET", "comandas")).toArray().size(), 7);
    }

    void ajustesPorControl()
    {
        RespuestaHttp r = Controlar("POST", "ajustes", {{"fault_en", "*"}, {"guardar_codigo", 7}});
        QCOMPARE(r.estado, 200);
        QCOMPARE(Json(r)["guardar_codigo"].toInt(), 7);
        r = Controlar("POST", "ajustes", {{"version", 1}, {"sin_sentido", true}});
        QCOMPARE(r.estado, 400);
        QVERIFY(Json(r)["error"].toString().contains(QStringLiteral("sin_sentido")));
        QCOMPARE(Json(Controlar("GET", "estado"))["version"].toInt(), 10100);
        QCOMPARE(Pedir("POST", QStringLiteral("/control/ajustes"), "[1]").estado, 400);
    }

    void cocinaYCaja()
    {
        QCOMPARE(Json(Controlar("POST", "listos", {{"comanda", 102}}))["marcados"].toInt(), 2);
        QCOMPARE(Json(Controlar("POST", "listos", {{"comanda", "todas"}}))["marcados"].toInt(), 5);
        QCOMPARE(Controlar("POST", "listos", {{"comanda", "algunas"}}).estado, 400);
        QCOMPARE(Controlar("POST", "listos", {}).estado, 400);
        QCOMPARE(Controlar("POST", "cerrar", {{"comanda", 101}, {"propina", 25.5}}).estado, 200);
        QCOMPARE(Controlar("POST", "cerrar", {{"comanda", 101}}).estado, 404);
        const QJsonArray comandas = Json(Controlar("GET", "comandas")).toArray();
        QCOMPARE(comandas.size(), 6);
        const QJsonObject c101 = comandas.at(0).toObject();
        QCOMPARE(c101["numero"].toInt(), 101);
        QCOMPARE(c101["estado"].toString(), QStringLiteral("terminada"));
        QCOMPARE(c101["propina"].toDouble(), 25.5);
        QCOMPARE(c101["pedido"]["ArrayDetalle"].toArray().size(), 3);
        QCOMPARE(c101["platillos"].toArray().size(), 3);
    }

    void llamadas()
    {
        Soap(QStringLiteral("VersionWSPos"));
        Soap(QStringLiteral("ListaMesas"), kCredenciales);
        const QJsonArray l = Json(Controlar("GET", "llamadas")).toArray();
        QCOMPARE(l.size(), 2);
        QCOMPARE(l.at(1)["operacion"].toString(), QStringLiteral("ListaMesas"));
        QCOMPARE(l.at(1)["accion"].toString(), QStringLiteral("\"urn:trazenIntf-Itrazen#ListaMesas\""));
        QCOMPARE(l.at(1)["usuario"].toString(), QStringLiteral("mesero"));
        QCOMPARE(l.at(0)["usuario"].toString(), QString());
    }

    // A fresh start: the seeded data, the settings of the command line, no calls.
    void reiniciar()
    {
        Controlar("POST", "ajustes", {{"version", 1}, {"corte_abierto", false}});
        Controlar("POST", "cerrar", {{"comanda", 101}});
        Soap(QStringLiteral("VersionWSPos"));
        const RespuestaHttp r = Controlar("POST", "reiniciar");
        QCOMPARE(r.estado, 200);
        QCOMPARE(Json(r)["version"].toInt(), 10100);
        QCOMPARE(Json(r)["corte_abierto"].toBool(), true);
        QCOMPARE(Json(Controlar("GET", "llamadas")).toArray().size(), 0);
        QCOMPARE(Json(Controlar("GET", "comandas")).toArray().at(0)["estado"].toString(), QStringLiteral("abierta"));
    }
};

QTEST_MAIN(TstSitio)
#include "tst_sitio.moc"
