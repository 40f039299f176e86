// The server side of the encoding (used by wstrazen-sim): responses in every layout
// read back by the client's decoder, requests read into arguments, faults.
#include "service/CodificadorSoap.h"
#include "service/Json.h"
#include "service/RespuestaSoap.h"
#include "service/TCategoria.h"
#include "service/TInfo1.h"
#include "service/TPedido.h"
#include <QtTest>
#include <cmath>

using namespace Qt::StringLiterals;

// moc does not understand raw strings: text holding "//" or "#name" is written plainly here.
namespace {
TListaCategoria Categorias()
{
    TSubCategoria fria{7, 3, u"Frías"_s, QByteArray("\x00\xff\x10", 3)};
    TSubCategoria caliente{8, 3, u"Calientes <&>\r\n"_s, {}};
    TCategoria bebidas{3, u"Bebidas"_s, "foto", TListaSubCategoria{2, {fria, caliente}}};
    TCategoria postres{4, u"Postres"_s, {}, std::nullopt};
    TListaCategoria l;
    l.Count = 4; // more than it holds, as a server may send
    l.ArrayCategoria = {bebidas, std::nullopt, postres};
    return l;
}

/// What the client reads out of `bytes` fed in small pieces, as they come off the network.
void Leer(const QByteArray &bytes, const QString &operacion, const std::optional<Valor> &resultado,
          const QList<Parte> &salidas)
{
    RespuestaSoap r;
    for (qsizetype i = 0; i < bytes.size(); i += 7)
        r.alimentar(QByteArrayView(bytes).sliced(i, std::min<qsizetype>(7, bytes.size() - i)));
    r.terminar();
    r.leer(operacion, resultado, salidas);
}

const QByteArray Inicio2001 =
    R"(<?xml version="1.0" encoding="UTF-8"?><SOAP-ENV:Envelope xmlns:SOAP-ENV="http://schemas.xmlsoap.org/soap/envelope/" xmlns:xsd="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xmlns:SOAP-ENC="http://schemas.xmlsoap.org/soap/encoding/">)";
} // namespace

class ServidorSoapTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TZ", "UTC"); }

    void respuestaLeidaPorElCliente_data()
    {
        QTest::addColumn<OpcionesRespuesta>("opciones");
        QTest::addColumn<QList<QByteArray>>("fragmentos");
        const auto op = [](VersionEsquema v, bool multiRef, const char *prefijo, bool antes) {
            return OpcionesRespuesta{v, multiRef, QString::fromLatin1(prefijo), antes};
        };
        QTest::newRow("2001, multi-ref después")
            << op(VersionEsquema::X2001, true, "", false)
            << QList<QByteArray>{R"(<return href="#1"/>)", "</NS1:ObtenerCategoriasPOSResponse><NS2:TListaCategoria id=\"1\"",
                                 R"(<item xsi:nil="true"/>)"};
        QTest::newRow("2001, multi-ref antes, ids con _")
            << op(VersionEsquema::X2001, true, "_", true)
            << QList<QByteArray>{R"(<SOAP-ENV:Body SOAP-ENV:encodingStyle="http://schemas.xmlsoap.org/soap/encoding/"><NS2:TListaCategoria id="_1")",
                                 "<return href=\"#_1\"/>"};
        QTest::newRow("1999, multi-ref, ids ref")
            << op(VersionEsquema::X1999, true, "ref", false)
            << QList<QByteArray>{R"(xmlns:xsd="http://www.w3.org/1999/XMLSchema")", R"(<item xsi:null="1"/>)",
                                 R"(id="ref2")", R"(xsi:type="SOAP-ENC:base64")"};
        QTest::newRow("2000/10 en línea")
            << op(VersionEsquema::X2000_10, false, "", false)
            << QList<QByteArray>{R"(xmlns:xsi="http://www.w3.org/2000/10/XMLSchema-instance")",
                                 R"(<return xmlns:NS2="urn:trazenIntf" xsi:type="NS2:TListaCategoria">)",
                                 R"(<ListaSubCategoria xsi:null="1"/>)"};
        QTest::newRow("1999 en línea, antes no cambia nada")
            << op(VersionEsquema::X1999, false, "_", true) << QList<QByteArray>{R"(<item xsi:type="NS2:TCategoria">)"};
    }
    void respuestaLeidaPorElCliente()
    {
        QFETCH(OpcionesRespuesta, opciones);
        QFETCH(QList<QByteArray>, fragmentos);
        std::optional<TListaCategoria> lista = Categorias();
        QString texto = u"Corte\r\nabierto <&> ñ"_s;
        double real = -HUGE_VAL, chico = 1e-300;
        bool si = true;
        std::optional<QDateTime> cuando = QDateTime(QDate(2022, 4, 15), QTime(13, 5, 9, 42));
        const QByteArray bytes = EscribirRespuestaSoap(
            u"ObtenerCategoriasPOS"_s,
            {{u"return"_s, Valor::de(lista)}, {u"Texto"_s, Valor::de(texto)}, {u"Real"_s, Valor::de(real)},
             {u"Chico"_s, Valor::de(chico)}, {u"Si"_s, Valor::de(si)}, {u"Cuando"_s, Valor::de(cuando)}},
            opciones);
        for (const QByteArray &f : fragmentos)
            QVERIFY2(bytes.contains(f), f.constData());

        std::optional<TListaCategoria> l;
        QString t;
        double r = 0, c = 0;
        bool s = false;
        std::optional<QDateTime> w;
        Leer(bytes, u"ObtenerCategoriasPOS"_s, Valor::de(l),
             {{u"Texto"_s, Valor::de(t)}, {u"Real"_s, Valor::de(r)}, {u"Chico"_s, Valor::de(c)},
              {u"Si"_s, Valor::de(s)}, {u"Cuando"_s, Valor::de(w)}});
        QVERIFY(l);
        QCOMPARE(RegistroAJson(*l), RegistroAJson(*lista));
        QCOMPARE(std::tuple(t, r, c, s), std::tuple(texto, real, chico, si));
        QCOMPARE(w, cuando);
    }

    void respuestaExacta()
    {
        int version = 10182;
        QCOMPARE(EscribirRespuestaSoap(u"VersionWSPos"_s, {{u"return"_s, Valor::de(version)}}),
                 Inicio2001 + R"(<SOAP-ENV:Body SOAP-ENV:encodingStyle="http://schemas.xmlsoap.org/soap/encoding/">)"
                              R"(<NS1:VersionWSPosResponse xmlns:NS1="urn:trazenIntf-Itrazen">)"
                              R"(<return xsi:type="xsd:int">10182</return></NS1:VersionWSPosResponse>)"
                              "</SOAP-ENV:Body></SOAP-ENV:Envelope>");
        QCOMPARE(EscribirFaultSoap(u"Server"_s, u"No tiene un Corte Abierto"_s),
                 Inicio2001 + "<SOAP-ENV:Body><SOAP-ENV:Fault><faultcode>SOAP-ENV:Server</faultcode>"
                              "<faultstring>No tiene un Corte Abierto</faultstring></SOAP-ENV:Fault>"
                              "</SOAP-ENV:Body></SOAP-ENV:Envelope>");
    }

    void faultLeidoPorElCliente_data()
    {
        QTest::addColumn<VersionEsquema>("esquema");
        QTest::newRow("2001") << VersionEsquema::X2001;
        QTest::newRow("1999") << VersionEsquema::X1999;
    }
    void faultLeidoPorElCliente()
    {
        QFETCH(VersionEsquema, esquema);
        const QString mensaje = u"Línea 1\r\nLínea <2> & \"3\""_s;
        try {
            Leer(EscribirFaultSoap(u"SOAP-ENV:Client"_s, mensaje, esquema), u"X"_s, std::nullopt, {});
            QFAIL("sin error");
        } catch (const ErrorServicio &e) {
            QCOMPARE(e.mensaje(), mensaje);
            QCOMPARE(e.faultcode(), u"SOAP-ENV:Client"_s);
            QVERIFY(e.esFault());
        }
    }

    void peticionDelCliente()
    {
        std::optional<TPedido> pedido(std::in_place);
        pedido->NuPaso = 12;
        pedido->Cliente.emplace();
        pedido->Cliente->Nombre = u"Ana"_s;
        TDetalle d;
        d.NuProducto = u"105"_s;
        d.Cantidad = 2.5;
        d.RFECHA_AUTH = 44666.5;
        pedido->ArrayDetalle = {d, std::nullopt};
        pedido->Count = 1;
        QString user = u"mesero"_s;
        const PeticionSoap p(EscribirPeticionSoap(u"Guardar_Comanda"_s, {{u"User"_s, Valor::de(user)},
                                                                         {u"Pedido"_s, Valor::de(pedido)}}));
        QCOMPARE(p.operacion(), u"Guardar_Comanda"_s);
        std::optional<TPedido> leido;
        QString u;
        int nada = 5;
        QVERIFY(p.leer(u"Pedido"_s, Valor::de(leido)));
        QVERIFY(p.leer(u"User"_s, Valor::de(u)));
        QVERIFY(!p.leer(u"Pass"_s, Valor::de(nada)));
        QVERIFY(leido);
        QCOMPARE(RegistroAJson(*leido), RegistroAJson(*pedido));
        QCOMPARE(u, user);
        QCOMPARE(nada, 5);
    }

    void peticionInvalida_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("vacía") << QByteArray() << u"La petición SOAP llegó vacía"_s;
        QTest::newRow("no es un sobre") << QByteArray("<a/>") << u"La respuesta del servicio no es un sobre SOAP"_s;
        QTest::newRow("cuerpo sin operación")
            << QByteArray("<e:Envelope xmlns:e=\"http://schemas.xmlsoap.org/soap/envelope/\"><e:Body/></e:Envelope>")
            << u"La petición SOAP no nombra ninguna operación"_s;
    }
    void peticionInvalida()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mensaje);
        try {
            PeticionSoap p(bytes);
            QFAIL("sin error");
        } catch (const ErrorServicio &e) {
            QCOMPARE(e.mensaje(), mensaje);
        }
    }
};

QTEST_GUILESS_MAIN(ServidorSoapTest)
#include "tst_servidor_soap.moc"
