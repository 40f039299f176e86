// Replies of the service as the client reads them: results, var arguments, faults,
// the forms other servers use, and replies meant to hurt.
#include "CasosRespuesta.h"
#include "EscenarioSoap.h"
#include "service/LlamadaJson.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
/// True when every value that `esperado` names is in `real` (objects may hold more keys).
bool Incluye(const QJsonValue &real, const QJsonValue &esperado)
{
    if (esperado.isObject()) {
        if (!real.isObject())
            return false;
        const QJsonObject e = esperado.toObject(), r = real.toObject();
        for (auto it = e.begin(); it != e.end(); ++it)
            if (!r.contains(it.key()) || !Incluye(r.value(it.key()), it.value()))
                return false;
        return true;
    }
    if (esperado.isArray()) {
        const QJsonArray e = esperado.toArray(), r = real.toArray();
        if (!real.isArray() || e.size() != r.size())
            return false;
        for (qsizetype i = 0; i < e.size(); ++i)
            if (!Incluye(r[i], e[i]))
                return false;
        return true;
    }
    return real == esperado;
}
} // namespace


class RespuestaSoapTest : public QObject {
    Q_OBJECT

    /// The reply of the stand-in server to one call: its JSON, or "error: " and the message.
    static QString Llamar(EscenarioSoap &e, const QString &operacion, const QJsonObject &argumentos)
    {
        ItrazenSoap itrazen(e.cliente);
        try {
            return QString::fromUtf8(QJsonDocument(LlamarConJson(itrazen, *OperacionItrazenDe(operacion), argumentos))
                                         .toJson(QJsonDocument::Compact));
        } catch (const ErrorServicio &error) {
            return u"error: "_s + error.mensaje();
        }
    }

private slots:
    void initTestCase() { qputenv("TZ", "UTC"); }

    void respuesta_data() { CasosRespuesta(); }

    void respuesta()
    {
        QFETCH(QString, operacion);
        QFETCH(QString, argumentos);
        QFETCH(QByteArray, respuesta);
        QFETCH(int, estado);
        QFETCH(QString, esperado);
        EscenarioSoap e;
        e.responder(respuesta, estado);
        const QString real = Llamar(e, operacion, QJsonDocument::fromJson(argumentos.toUtf8()).object());
        if (esperado.startsWith(u"error: "))
            QCOMPARE(real, esperado);
        else if (esperado.startsWith(u"error~ "))
            QVERIFY2(real.startsWith(u"error: ") && real.contains(esperado.mid(7)), qPrintable(real));
        else
            QVERIFY2(Incluye(QJsonDocument::fromJson(real.toUtf8()).object(),
                             QJsonDocument::fromJson(esperado.toUtf8()).object()),
                     qPrintable(real));
    }

    void respuestaDemasiadoGrande_data()
    {
        QTest::addColumn<bool>("sinLargo");
        QTest::newRow("con Content-Length: ni se descarga") << false;
        QTest::newRow("sin Content-Length: se corta al pasar el límite") << true;
    }
    void respuestaDemasiadoGrande()
    {
        QFETCH(bool, sinLargo);
        EscenarioSoap e;
        e.cliente.setLimiteRespuesta(64 * 1024);
        ServidorPrueba::Respuesta r{200, RespuestaPrueba("UltimoError", "<return>" + QByteArray(1 << 20, 'x') + "</return>")};
        r.sinLargo = sinLargo;
        e.servidor.en("/soap/Itrazen", r);
        QVERIFY(Llamar(e, u"UltimoError"_s, {}).contains(u"excede el límite de 65536 bytes"));
        // the description itself is small enough
        QCOMPARE(e.servidor.cuenta("GET", "/wsdl/Itrazen"), 1);
    }

    void variablesDeVueltaEnSuLugar()
    {
        // Each typed operation hands every var back to its own reference.
        EscenarioSoap e;
        e.responder(RespuestaPrueba("DatosEmpresa2",
                              "<Nombre>N</Nombre><Comercial>C</Comercial><RFC>R</RFC><Domicilio>D</Domicilio>"
                              "<Telefono>T</Telefono><Correo>E</Correo><IVAIncluido>true</IVAIncluido>"
                              "<OP_IEPS_SOBRE_IVA>2</OP_IEPS_SOBRE_IVA><TC_VentaCredito>17.5</TC_VentaCredito>"
                              "<TC_CobranzaCredito>16.25</TC_CobranzaCredito>"));
        QString t[6];
        bool iva = false;
        int ieps = 0;
        double venta = 0, cobranza = 0;
        e.cliente.itrazen()->DatosEmpresa2(t[0], t[1], t[2], t[3], t[4], t[5], iva, ieps, venta, cobranza);
        QCOMPARE(QStringList(std::begin(t), std::end(t)), QStringList({"N", "C", "R", "D", "T", "E"}));
        QCOMPARE(std::tuple(iva, ieps, venta, cobranza), std::tuple(true, 2, 17.5, 16.25));

        e.responder(RespuestaPrueba("ObtenerResumen", "<return>0</return><ComandasPen>4</ComandasPen>"
                                                "<ComandasFin>9</ComandasFin><Propinas>55.5</Propinas><Total>1200</Total>"));
        int pen = 0, fin = 0;
        double propinas = 0, total = 0;
        e.cliente.itrazen()->ObtenerResumen(u"u"_s, u"p"_s, pen, fin, propinas, total);
        QCOMPARE(std::tuple(pen, fin, propinas, total), std::tuple(4, 9, 55.5, 1200.0));

        e.responder(RespuestaPrueba("AccesoUserXModuloXAlmacen",
                              "<return>true</return><NuUser>5</NuUser><NuAlmacen>2</NuAlmacen><Msg>ok</Msg>"
                              "<Modulos>TTF</Modulos><Almacen>Centro</Almacen>"));
        int usuario = 0, almacen = 0;
        QString msg, modulos, nombre;
        QVERIFY(e.cliente.itrazen()->AccesoUserXModuloXAlmacen(u"u"_s, u"p"_s, u"POS"_s, usuario, almacen, msg,
                                                               modulos, nombre));
        QCOMPARE(std::tuple(usuario, almacen, msg, modulos, nombre),
                 std::tuple(5, 2, u"ok"_s, u"TTF"_s, u"Centro"_s));
    }
};

QTEST_GUILESS_MAIN(RespuestaSoapTest)
#include "tst_respuesta_soap.moc"
