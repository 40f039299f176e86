// The exact bytes of the requests the client sends.
#include "EscenarioSoap.h"
#include "service/ItrazenSoap.h"
#include "service/SoapServidor.h"
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
const QByteArray Inicio =
    R"(<?xml version="1.0" encoding="UTF-8"?><SOAP-ENV:Envelope xmlns:SOAP-ENV="http://schemas.xmlsoap.org/soap/envelope/" xmlns:xsd="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xmlns:SOAP-ENC="http://schemas.xmlsoap.org/soap/encoding/"><SOAP-ENV:Body SOAP-ENV:encodingStyle="http://schemas.xmlsoap.org/soap/encoding/">)";
const QByteArray Fin = "</SOAP-ENV:Body></SOAP-ENV:Envelope>";

using Llamada = std::function<void(Itrazen &)>;

/// A fixture written for people (one element per line) as the bytes on the wire.
QByteArray Compacto(const QString &archivo)
{
    QFile f(QStringLiteral(TZ_FIXTURES "/service/") + archivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).remove(QRegularExpression(QStringLiteral("\n *"))).toUtf8();
}

TDetalle Linea(int n, const QString &producto, const QString &nombre, double cantidad, double precio, double iva)
{
    TDetalle d;
    d.NuDetalle = n;
    d.NuProducto = producto;
    d.Producto = nombre;
    d.Cantidad = cantidad;
    d.Precio = precio;
    d.TasaIVA = precio ? 16 : 0;
    d.SubTotal = precio * cantidad;
    d.IVA = iva;
    d.Total = d.SubTotal + iva;
    d.PreOri = precio;
    return d;
}

/// A comanda of table 4 for two persons with three lines, as the order screen builds it.
TPedido ComandaDeTresLineas()
{
    TPedido p;
    p.NuPaso = 4;
    p.ReferenciaPago = QStringLiteral("Mesa 4");
    p.NuEstado = 2;
    p.Cliente.emplace();
    TDetalle agua = Linea(1, u"105"_s, u"Agua natural 600ml"_s, 2, 12.5, 4);
    agua.Esp1 = QStringLiteral("Sin hielo");
    TDetalle tacos = Linea(2, u"210"_s, u"Tacos al pastor"_s, 3, 12.5, 6);
    tacos.Esp1 = QStringLiteral("Con todo");
    tacos.Esp2 = QStringLiteral("Salsa aparte");
    const TDetalle cortesia = Linea(3, u"300"_s, u"Cortesía"_s, 1, 0, 0);
    p.ArrayDetalle = {agua, tacos, cortesia};
    p.Count = 3;
    p.SubTotal = 62.5;
    p.IVA = 10;
    p.Total = 72.5;
    return p;
}
} // namespace

class PeticionSoapTest : public QObject {
    Q_OBJECT
    std::unique_ptr<EscenarioSoap> e;

    /// Makes the call against a server that answers with a fault: only the request matters here.
    QByteArray enviar(const Llamada &llamada)
    {
        e->responder(EscribirFaultSoap(u"Server"_s, u"sin respuesta"_s), 500);
        try {
            llamada(*e->cliente.itrazen());
        } catch (const ErrorServicio &) {
        }
        return e->ultimaLlamada();
    }

private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        // A locale whose decimal separator is ",": the wire keeps ".".
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void init() { e = std::make_unique<EscenarioSoap>(); }

    void llamada_data()
    {
        QTest::addColumn<Llamada>("llamada");
        QTest::addColumn<QByteArray>("operacion");
        QTest::addColumn<QByteArray>("esperado");

        QTest::newRow("VersionWSPos: elemento vacío")
            << Llamada([](Itrazen &i) { i.VersionWSPos(); }) << QByteArray("VersionWSPos")
            << QByteArray(R"(<NS1:VersionWSPos xmlns:NS1="urn:trazenIntf-Itrazen"/>)");
        QTest::newRow("ListaMesas")
            << Llamada([](Itrazen &i) { i.ListaMesas(u"mesero"_s, u"1234"_s, 1); }) << QByteArray("ListaMesas")
            << QByteArray(R"(<NS1:ListaMesas xmlns:NS1="urn:trazenIntf-Itrazen">)"
                          R"(<User xsi:type="xsd:string">mesero</User><Pass xsi:type="xsd:string">1234</Pass>)"
                          R"(<NuMesero xsi:type="xsd:int">1</NuMesero></NS1:ListaMesas>)");
        QTest::newRow("AccesoUserXModuloXAlmacen: var vacíos también van")
            << Llamada([](Itrazen &i) {
                   int usuario = 7, almacen = -2;
                   QString msg, modulos = u"TTF"_s, nombre;
                   i.AccesoUserXModuloXAlmacen(u"mesero"_s, {}, u"POS"_s, usuario, almacen, msg, modulos, nombre);
               })
            << QByteArray("AccesoUserXModuloXAlmacen")
            << QByteArray(R"(<NS1:AccesoUserXModuloXAlmacen xmlns:NS1="urn:trazenIntf-Itrazen">)"
                          R"(<User xsi:type="xsd:string">mesero</User><Pass xsi:type="xsd:string"/>)"
                          R"(<Field xsi:type="xsd:string">POS</Field><NuUser xsi:type="xsd:int">7</NuUser>)"
                          R"(<NuAlmacen xsi:type="xsd:int">-2</NuAlmacen><Msg xsi:type="xsd:string"/>)"
                          R"(<Modulos xsi:type="xsd:string">TTF</Modulos><Almacen xsi:type="xsd:string"/>)"
                          R"(</NS1:AccesoUserXModuloXAlmacen>)");
        QTest::newRow("DatosEmpresa2: reales y booleano")
            << Llamada([](Itrazen &i) {
                   QString t[6];
                   bool iva = true;
                   int ieps = 1;
                   double venta = 17.25, cobranza = 3.0;
                   i.DatosEmpresa2(t[0], t[1], t[2], t[3], t[4], t[5], iva, ieps, venta, cobranza);
               })
            << QByteArray("DatosEmpresa2")
            << QByteArray(R"(<NS1:DatosEmpresa2 xmlns:NS1="urn:trazenIntf-Itrazen">)"
                          R"(<Nombre xsi:type="xsd:string"/><Comercial xsi:type="xsd:string"/>)"
                          R"(<RFC xsi:type="xsd:string"/><Domicilio xsi:type="xsd:string"/>)"
                          R"(<Telefono xsi:type="xsd:string"/><Correo xsi:type="xsd:string"/>)"
                          R"(<IVAIncluido xsi:type="xsd:boolean">true</IVAIncluido>)"
                          R"(<OP_IEPS_SOBRE_IVA xsi:type="xsd:int">1</OP_IEPS_SOBRE_IVA>)"
                          R"(<TC_VentaCredito xsi:type="xsd:double">17.25</TC_VentaCredito>)"
                          R"(<TC_CobranzaCredito xsi:type="xsd:double">3</TC_CobranzaCredito>)"
                          R"(</NS1:DatosEmpresa2>)");
        QTest::newRow("ObtenerSurtido con la impresora Todas")
            << Llamada([](Itrazen &i) {
                   int platillos = 0;
                   i.ObtenerSurtido(u"m"_s, u"p"_s, 0, 1, platillos);
               })
            << QByteArray("ObtenerSurtido")
            << QByteArray(R"(<NS1:ObtenerSurtido xmlns:NS1="urn:trazenIntf-Itrazen">)"
                          R"(<User xsi:type="xsd:string">m</User><Pass xsi:type="xsd:string">p</Pass>)"
                          R"(<NuPrinter xsi:type="xsd:int">0</NuPrinter><Marcar xsi:type="xsd:int">1</Marcar>)"
                          R"(<Platillos xsi:type="xsd:int">0</Platillos></NS1:ObtenerSurtido>)");
        const QString raro = u"a\r\nb"_s + QChar(1) + u"c"_s + QChar(0xD800) + u"<&>\"ñ\U0001F600"_s;
        QTest::newRow("texto que XML 1.0 no lleva: fuera; CR como referencia")
            << Llamada([raro](Itrazen &i) { i.ListaComandas(raro, raro, 1); })
            << QByteArray("ListaComandas")
            << QByteArray(R"(<NS1:ListaComandas xmlns:NS1="urn:trazenIntf-Itrazen">)"
                          R"(<User xsi:type="xsd:string">a&#13;)" "\n" R"(bc&lt;&amp;&gt;"ñ😀</User>)"
                          R"(<Pass xsi:type="xsd:string">a&#13;)" "\n" R"(bc&lt;&amp;&gt;"ñ😀</Pass>)"
                          R"(<NuMesero xsi:type="xsd:int">1</NuMesero></NS1:ListaComandas>)");
    }

    void llamada()
    {
        QFETCH(Llamada, llamada);
        QFETCH(QByteArray, operacion);
        QFETCH(QByteArray, esperado);
        const QByteArray cuerpo = enviar(llamada);
        QCOMPARE(cuerpo, Inicio + esperado + Fin);
        const ServidorPrueba::Peticion &p = e->servidor.peticiones().constLast();
        QCOMPARE(p.metodo, "POST");
        QCOMPARE(p.cabeceras.value("content-type"), "text/xml; charset=utf-8");
        QCOMPARE(p.cabeceras.value("soapaction"), "\"urn:trazenIntf-Itrazen#" + operacion + '"');
    }

    void textoRaroLlegaComoSeEnvio()
    {
        // CR survives the other side's end-of-line handling; what XML cannot carry is gone.
        const QString raro = u"a\r\nb"_s + QChar(1) + u"c"_s + QChar(0xDC00) + u"\td"_s;
        const PeticionSoap p(enviar([&](Itrazen &i) { i.ListaMesas(raro, {}, 1); }));
        QString user;
        QVERIFY(p.leer(u"User"_s, Valor::de(user)));
        QCOMPARE(user, u"a\r\nbc\td"_s);
    }

    void comandaDeTresLineas()
    {
        const TPedido pedido = ComandaDeTresLineas();
        const QByteArray cuerpo = enviar([&](Itrazen &i) { i.Guardar_Comanda(u"mesero"_s, u"1234"_s, pedido); });
        const QByteArray esperado = Compacto(u"Guardar_Comanda.xml"_s);
        QVERIFY(!esperado.isEmpty());
        QCOMPARE(cuerpo, esperado);
    }

    void comandaNuevaYSinCliente_data()
    {
        QTest::addColumn<bool>("conCliente");
        QTest::addColumn<QList<QByteArray>>("fragmentos");
        QTest::newRow("nueva: Cliente con ceros, arreglo vacío")
            << true
            << QList<QByteArray>{R"(<Cliente href="#2"/><Count xsi:type="xsd:int">0</Count>)"
                                 R"(<ArrayDetalle xsi:type="SOAP-ENC:Array" SOAP-ENC:arrayType="NS2:TDetalle[0]"/>)",
                                 R"(<NS2:TCliente id="2" xsi:type="NS2:TCliente" xmlns:NS2="urn:trazenIntf">)"
                                 R"(<NuClienteTrazen xsi:type="xsd:int">0</NuClienteTrazen>)"
                                 R"(<NuCliente xsi:type="xsd:int">0</NuCliente>)"};
        QTest::newRow("sin Cliente: nil, y las líneas toman los ids siguientes")
            << false
            << QList<QByteArray>{R"(<Cliente xsi:nil="true"/>)", R"(<item href="#2"/></ArrayDetalle>)",
                                 R"(<NS2:TDetalle id="2" )"};
    }

    void comandaNuevaYSinCliente()
    {
        QFETCH(bool, conCliente);
        QFETCH(QList<QByteArray>, fragmentos);
        TPedido pedido;
        if (conCliente)
            pedido.Cliente.emplace();
        else
            pedido.ArrayDetalle = {TDetalle{}};
        const QByteArray cuerpo = enviar([&](Itrazen &i) { i.Guardar_Comanda({}, {}, pedido); });
        QVERIFY(cuerpo.contains(R"(<Fecha xsi:type="xsd:double">0</Fecha>)"
                                R"(<Fecha_Entrega xsi:type="xsd:double">0</Fecha_Entrega>)"
                                R"(<Hora xsi:type="xsd:double">0</Hora>)"));
        for (const QByteArray &f : fragmentos)
            QVERIFY2(cuerpo.contains(f), f.constData());
    }

    void parametroOutNoSeEnvia()
    {
        // An operation of the interface with an out parameter (the app calls none).
        static const ParametroItrazen parametros[] = {
            {"User", ModoParametro::Const, "string", [] { return ValorPropio::de<QString>(); }},
            {"Exito", ModoParametro::Out, "Integer", [] { return ValorPropio::de<int>(); }},
        };
        static const ParametroItrazen resultado{"return", ModoParametro::Out, "Integer",
                                                [] { return ValorPropio::de<int>(); }};
        const OperacionItrazen op{"Producto_Consulta", parametros, &resultado};
        e->responder(SobrePrueba(R"(<NS1:Producto_ConsultaResponse xmlns:NS1="urn:trazenIntf-Itrazen">)"
                                 R"(<return>1</return><Exito>5</Exito></NS1:Producto_ConsultaResponse>)"));
        QString user = u"u"_s;
        int exito = 99, r = 0;
        ItrazenSoap(e->cliente).llamar(op, {Valor::de(user), Valor::de(exito)}, Valor::de(r));
        QCOMPARE(e->ultimaLlamada(), Inicio + R"(<NS1:Producto_Consulta xmlns:NS1="urn:trazenIntf-Itrazen">)"
                                              R"(<User xsi:type="xsd:string">u</User></NS1:Producto_Consulta>)" + Fin);
        QCOMPARE(exito, 5);
        // Without an action in the description the header is an empty quoted action.
        QCOMPARE(e->servidor.peticiones().constLast().cabeceras.value("soapaction"), "\"\"");
    }
};

QTEST_GUILESS_MAIN(PeticionSoapTest)
#include "tst_peticion_soap.moc"
