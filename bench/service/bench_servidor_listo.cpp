// How long after the last byte of a reply the client has its objects, against
// wstrazen-sim over the loopback: ListaProductoConFoto of every product with its
// picture. Two kinds of run, interleaved so that they share the machine's state:
//   - bare download: request sent to last byte, the bytes dropped (when the last byte
//     arrives, as nearly as a client can see it);
//   - the client's real call, from sending to the objects.
// "Ready after the last byte" is the real call less the bare download, by medians and
// by minimums (the sim's own time varies from run to run). On
// the loopback the sim sends faster than any client parses, so this is an upper bound
// of what is left once a slower network has delivered the last byte.
#include "SimProceso.h"
#include "service/CodificadorSoap.h"
#include "service/DescripcionWsdl.h"
#include "service/RefValor.h"
#include "service/SoapClient.h"
#include "service/TProducto.h"
#include "service/TransporteHttp.h"
#include <QElapsedTimer>
#include <QtTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
double MedianaMs(QList<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return ns.isEmpty() ? 0 : ns[ns.size() / 2] / 1e6;
}

double MinimoMs(const QList<qint64> &ns) { return ns.isEmpty() ? 0 : *std::min_element(ns.begin(), ns.end()) / 1e6; }
} // namespace

class BenchServidorListo : public QObject {
    Q_OBJECT
    SimProceso m_sim;
    SoapClient m_cliente;
    std::unique_ptr<Itrazen> m_itrazen;
    TransporteHttp m_http;
    QNetworkRequest m_peticion;
    QByteArray m_cuerpo;
    const QString m_usuario = u"mesero"_s, m_clave = u"1234"_s, m_donde = u"@"_s; // "@": every product
    const bool m_foto = true;
    static constexpr TransporteHttp::Tiempos Tiempos{60000, 60000};

    /// The bytes of one reply, downloaded and dropped; `ultimoByte` receives when the last one came.
    qint64 descargar(const QElapsedTimer &reloj, qint64 &ultimoByte)
    {
        qint64 bytes = 0;
        m_http.enviar(m_peticion, &m_cuerpo, [&](QByteArrayView t) {
            bytes += t.size();
            ultimoByte = reloj.nsecsElapsed();
        }, Tiempos, SoapClient::LimiteRespuestaPorDefecto);
        return bytes;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_sim.enMarcha(), qPrintable(m_sim.error()));
        m_cliente.setDireccion(m_sim.wsdl());
        m_itrazen = m_cliente.itrazen();
        QByteArray wsdl;
        m_http.enviar(QNetworkRequest(QUrl(m_sim.wsdl())), nullptr, [&](QByteArrayView t) { wsdl += t; }, Tiempos,
                      SoapClient::LimiteRespuestaPorDefecto);
        const EnlaceSoap enlace = LeerDescripcionWsdl(wsdl, u"Itrazenservice"_s, u"ItrazenPort"_s, QUrl(m_sim.wsdl()));
        m_peticion = QNetworkRequest(enlace.endpoint);
        m_peticion.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/xml; charset=utf-8"));
        m_peticion.setRawHeader("SOAPAction", '"' + enlace.accion(u"ListaProductoConFoto"_s).toUtf8() + '"');
        m_cuerpo = EscribirPeticionSoap(u"ListaProductoConFoto"_s, {{u"User"_s, Entrada(m_usuario)},
                                                                  {u"Pass"_s, Entrada(m_clave)},
                                                                  {u"Where"_s, Entrada(m_donde)},
                                                                  {u"Foto"_s, Entrada(m_foto)}});
    }

    void listoTrasElUltimoByte()
    {
        const int vueltas = qEnvironmentVariableIsSet("TZ_BENCH_RAPIDO") ? 2 : 31;
        QList<qint64> descarga, completa;
        qint64 bytes = 0;
        int productos = 0;
        // The first of each binds, connects and fills the sim's caches: not counted.
        for (int i = -1; i < vueltas; ++i) {
            QElapsedTimer reloj;
            qint64 ultimo = 0;

            reloj.start();
            bytes = descargar(reloj, ultimo);
            const qint64 soloDescarga = ultimo;

            reloj.restart();
            const std::optional<TListaProducto> lista = m_itrazen->ListaProductoConFoto(m_usuario, m_clave, m_donde, m_foto);
            const qint64 llamada = reloj.nsecsElapsed();
            QVERIFY(lista && lista->Count > 0 && lista->ArrayProducto.size() == lista->Count);
            QVERIFY(!lista->ArrayProducto.constFirst()->Foto.isEmpty());
            productos = lista->Count;

            if (i >= 0) {
                descarga << soloDescarga;
                completa << llamada;
            }
        }
        const double d = MedianaMs(descarga), c = MedianaMs(completa);
        qInfo("ListaProductoConFoto de wstrazen-sim: %d productos con foto, %.2f MB; %d vueltas",
              productos, bytes / double(1 << 20), vueltas);
        qInfo("  sólo descarga (hasta el último byte): mediana %.1f ms, mínimo %.1f ms", d, MinimoMs(descarga));
        qInfo("  llamada completa (hasta los objetos): mediana %.1f ms, mínimo %.1f ms", c, MinimoMs(completa));
        qInfo("  objetos listos después del último byte: %.1f ms por medianas, %.1f ms por mínimos (meta: 50 ms)",
              c - d, MinimoMs(completa) - MinimoMs(descarga));
    }
};

QTEST_GUILESS_MAIN(BenchServidorListo)
#include "bench_servidor_listo.moc"
