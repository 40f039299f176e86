// itrazen-call run as installers run it, against the in-test server.
#include "EscenarioSoap.h"
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QByteArray Respuesta(const QByteArray &operacion, const QByteArray &contenido)
{
    return SobrePrueba("<NS1:" + operacion + "Response xmlns:NS1=\"urn:trazenIntf-Itrazen\">" + contenido + "</NS1:"
                       + operacion + "Response>");
}

const QByteArray Pedido = "{\"NuPaso\": 4, \"Count\": 1, \"Cliente\": {}, "
                          "\"ArrayDetalle\": [{\"NuProducto\": \"105\", \"Cantidad\": 2}]}";
} // namespace

class ItrazenCallTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::exists(TZ_BUILD_DIR "/tools/itrazen-call"));
        QFile f(m_dir.filePath(u"pedido.json"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Pedido);
    }

    void llamada_data()
    {
        QTest::addColumn<QStringList>("argumentos"); // %W: the description's address, %D: the temporary folder
        QTest::addColumn<QByteArray>("respuesta");   // empty: the server never answers
        QTest::addColumn<int>("salida");
        QTest::addColumn<QString>("esperado"); // JSON printed (fields in wire order), or the text of stderr
        QTest::addColumn<QByteArray>("enviado"); // a part of the request the server must get

        QTest::newRow("VersionWSPos") << QStringList{u"%W"_s, u"VersionWSPos"_s}
                                      << Respuesta("VersionWSPos", "<return>10182</return>") << 0
                                      << uR"({"result":10182})"_s << QByteArray("<NS1:VersionWSPos ");
        QTest::newRow("var enviados y devueltos")
            << QStringList{u"%W"_s, u"AccesoUserXModuloXAlmacen"_s, u"User=mesero"_s, u"Pass="_s, u"Field=POS"_s,
                           u"NuUser=7"_s}
            << Respuesta("AccesoUserXModuloXAlmacen", "<return>true</return><NuUser>12</NuUser><Msg>ok</Msg>") << 0
            << uR"({"result":true,"NuUser":12,"NuAlmacen":0,"Msg":"ok","Modulos":"","Almacen":""})"_s
            << QByteArray("<Field xsi:type=\"xsd:string\">POS</Field><NuUser xsi:type=\"xsd:int\">7</NuUser>");
        QTest::newRow("comanda desde archivo")
            << QStringList{u"%W"_s, u"Guardar_Comanda"_s, u"User=m"_s, u"Pedido=@%D/pedido.json"_s}
            << Respuesta("Guardar_Comanda", "<return>2</return>") << 0 << uR"({"result":2})"_s
            << QByteArray("SOAP-ENC:arrayType=\"NS2:TDetalle[1]\"><item href=\"#3\"/>");
        QTest::newRow("comanda en línea")
            << QStringList{u"%W"_s, u"Guardar_Comanda"_s, u"Pedido="_s + QString::fromUtf8(Pedido)}
            << Respuesta("Guardar_Comanda", "<return>7</return>") << 0 << uR"({"result":7})"_s
            << QByteArray("<NuPaso xsi:type=\"xsd:int\">4</NuPaso>");
        QTest::newRow("lista, booleano y tiempo de espera")
            << QStringList{u"--timeout"_s, u"5000"_s, u"%W"_s, u"ObtenerCategoriasPOS"_s, u"Foto=1"_s}
            << Respuesta("ObtenerCategoriasPOS", "<return><Count>1</Count><ArrayCategoria><item><Foto>AAE=</Foto>"
                                                 "</item></ArrayCategoria></return>")
            << 0
            << uR"({"result":{"Count":1,"ArrayCategoria":[{"NuCategoria":0,"Descripcion":"","Foto":"AAE=","ListaSubCategoria":null}]}})"_s
            << QByteArray("<Foto xsi:type=\"xsd:boolean\">true</Foto>");
        QTest::newRow("fault: su texto y salida 1")
            << QStringList{u"%W"_s, u"ListaMesas"_s}
            << SobrePrueba("<SOAP-ENV:Fault><faultcode>SOAP-ENV:Server</faultcode><faultstring>Sin corte"
                           "</faultstring></SOAP-ENV:Fault>")
            << 1 << u"Sin corte\n"_s << QByteArray("<NS1:ListaMesas ");
        QTest::newRow("sin respuesta a tiempo")
            << QStringList{u"--timeout"_s, u"200"_s, u"%W"_s, u"UltimoError"_s} << QByteArray() << 1
            << u"Tiempo de espera agotado"_s << QByteArray("<NS1:UltimoError ");
        QTest::newRow("operación desconocida") << QStringList{u"%W"_s, u"Borrar"_s} << QByteArray() << 2
                                               << u"Operación desconocida: Borrar"_s << QByteArray();
        QTest::newRow("entero que no es") << QStringList{u"%W"_s, u"ListaMesas"_s, u"NuMesero=uno"_s} << QByteArray()
                                          << 2 << u"NuMesero espera un entero: uno"_s << QByteArray();
        QTest::newRow("campo que TPedido no tiene")
            << QStringList{u"%W"_s, u"Guardar_Comanda"_s, uR"(Pedido={"Mesa":4})"_s} << QByteArray() << 2
            << u"Pedido: TPedido no tiene el campo Mesa"_s << QByteArray();
    }

    void llamada()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(QByteArray, respuesta);
        QFETCH(int, salida);
        QFETCH(QString, esperado);
        QFETCH(QByteArray, enviado);
        EscenarioSoap e;
        ServidorPrueba::Respuesta r{200, respuesta};
        r.callar = respuesta.isEmpty();
        e.servidor.en("/soap/Itrazen", r);
        argumentos.replaceInStrings(u"%W"_s, e.servidor.url("/wsdl/Itrazen").toString());
        argumentos.replaceInStrings(u"%D"_s, m_dir.path());

        QProcess p;
        p.start(QStringLiteral(TZ_BUILD_DIR "/tools/itrazen-call"), argumentos);
        QTRY_VERIFY_WITH_TIMEOUT(p.state() == QProcess::NotRunning, 20000); // this thread serves meanwhile
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitCode(), salida);
        if (salida == 0) // one line, "result" first, then the parameters and the fields in wire order
            QCOMPARE(out, esperado + u'\n');
        else
            QVERIFY2(err.startsWith(esperado), qPrintable(err));
        if (!enviado.isEmpty())
            QVERIFY2(e.ultimaLlamada().contains(enviado), e.ultimaLlamada().constData());
    }

    void ayuda()
    {
        QProcess p;
        p.start(QStringLiteral(TZ_BUILD_DIR "/tools/itrazen-call"), {u"--help"_s});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY(out.contains(u"  Guardar_Comanda User:string Pass:string Pedido:TPedido -> Integer\n"));
        QVERIFY(out.contains(u"  ObtenerSurtido User:string Pass:string NuPrinter:Integer Marcar:Integer "
                             u"var Platillos:Integer -> TListaSurtido\n"));
    }
};

QTEST_GUILESS_MAIN(ItrazenCallTest)
#include "tst_itrazen_call.moc"
