// How long after the last byte of a reply the client has its objects, against
// wstrazen-sim with its generated menu: ListaProductoConFoto of 2000 products with
// pictures of 20 KB (about 60 MB), the list the goal is about.
//   - Through a relay in this process that lets the sim's bytes through at 20 MB/s, as
//     a slower network would: the relay notes when it handed over the last byte, and
//     the call's end less that moment is the time the client still needed.
//   - On the plain loopback, where the sim sends faster than any client reads: through
//     the same relay without a pace, the call's end less its last byte; and, without
//     the relay, the real call against a bare download of the same reply (bytes
//     dropped), interleaved so that they share the machine's state, by medians and by
//     minimums (the sim's own time to make the list varies from run to run). Both next
//     to a bare libxml2 pass over the same bytes.
// The first call of the process (a first decode: fresh memory) is reported apart.
#include "PasadaLibxml2.h"
#include "RelevoLento.h"
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
using Reloj = std::chrono::steady_clock;

double MedianaMs(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms.isEmpty() ? 0 : ms[ms.size() / 2];
}

double MinimoMs(const QList<double> &ms) { return ms.isEmpty() ? 0 : *std::min_element(ms.begin(), ms.end()); }

double Ms(Reloj::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }
} // namespace

class BenchServidorListo : public QObject {
    Q_OBJECT
    const bool m_rapido = qEnvironmentVariableIsSet("TZ_BENCH_RAPIDO");
    const int m_productos = m_rapido ? 50 : 2000;
    SimProceso m_sim{{u"--productos-generados"_s, QString::number(m_productos)}};
    TransporteHttp m_http;
    QNetworkRequest m_peticion;
    QByteArray m_cuerpo;
    const QString m_usuario = u"mesero"_s, m_clave = u"1234"_s;
    const QString m_donde = u"(PRODUCTO.NUCATEGORIA=90)"_s; // the generated products only
    const bool m_foto = true;
    static constexpr TransporteHttp::Tiempos Tiempos{60000, 60000};
    static constexpr qint64 Limite = qint64(1) << 30;

    /// The reply downloaded, kept or dropped; `ultimoByte` receives when its last byte came.
    QByteArray descargar(Reloj::time_point &ultimoByte, bool guardar)
    {
        QByteArray bytes;
        m_http.enviar(m_peticion, &m_cuerpo, [&](QByteArrayView t) {
            if (guardar)
                bytes += t;
            ultimoByte = Reloj::now();
        }, Tiempos, Limite);
        return bytes;
    }

    /// One real call of the client: its list, checked.
    void llamar(Itrazen &itrazen)
    {
        const std::optional<TListaProducto> lista = itrazen.ListaProductoConFoto(m_usuario, m_clave, m_donde, m_foto);
        QVERIFY(lista && lista->Count == m_productos && lista->ArrayProducto.size() == lista->Count);
        QCOMPARE(lista->ArrayProducto.constLast()->Foto.size(), 20480);
    }

    /// Calls through a relay at `bytesPorSegundo`: the call's times and the times from
    /// the last byte to the objects, the first call of its client first.
    void porElRelevo(qint64 bytesPorSegundo, int vueltas, QList<double> &listos, QList<double> &totales)
    {
        RelevoLento relevo(m_sim.puerto(), bytesPorSegundo);
        SoapClient cliente;
        cliente.setLimiteRespuesta(Limite);
        cliente.setDireccion(u"http://127.0.0.1:%1/WSTrazen.dll/wsdl/Itrazen"_s.arg(relevo.puerto()));
        const std::unique_ptr<Itrazen> itrazen = cliente.itrazen();
        for (int i = 0; i < vueltas; ++i) {
            const Reloj::time_point inicio = Reloj::now();
            llamar(*itrazen);
            const Reloj::time_point fin = Reloj::now();
            listos << Ms(fin - relevo.ultimoByte());
            totales << Ms(fin - inicio);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_sim.enMarcha(), qPrintable(m_sim.error()));
        QByteArray wsdl;
        m_http.enviar(QNetworkRequest(QUrl(m_sim.wsdl())), nullptr, [&](QByteArrayView t) { wsdl += t; }, Tiempos,
                      Limite);
        const EnlaceSoap enlace = LeerDescripcionWsdl(wsdl, u"Itrazenservice"_s, u"ItrazenPort"_s, QUrl(m_sim.wsdl()));
        m_peticion = QNetworkRequest(enlace.endpoint);
        m_peticion.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/xml; charset=utf-8"));
        m_peticion.setRawHeader("SOAPAction", '"' + enlace.accion(u"ListaProductoConFoto"_s).toUtf8() + '"');
        m_cuerpo = EscribirPeticionSoap(u"ListaProductoConFoto"_s, {{u"User"_s, Entrada(m_usuario)},
                                                                  {u"Pass"_s, Entrada(m_clave)},
                                                                  {u"Where"_s, Entrada(m_donde)},
                                                                  {u"Foto"_s, Entrada(m_foto)}});
    }

    void aVeinteMegasPorSegundo()
    {
        const int vueltas = m_rapido ? 1 : 5;
        QList<double> listos, totales;
        porElRelevo(20 << 20, vueltas, listos, totales);
        qInfo("ListaProductoConFoto de wstrazen-sim, %d productos con fotos de 20 KB, por un enlace de 20 MB/s; %d vueltas",
              m_productos, vueltas);
        qInfo("  llamada completa: primera %.0f ms, mediana %.0f ms", totales.constFirst(), MedianaMs(totales));
        qInfo("  objetos listos tras el último byte: primera llamada del proceso %.1f ms; mediana %.1f ms, "
              "máximo %.1f ms (meta: hasta 50 ms)",
              listos.constFirst(), MedianaMs(listos), *std::max_element(listos.cbegin(), listos.cend()));
    }

    void enElLoopback()
    {
        const int vueltas = m_rapido ? 2 : 15;
        QList<double> listos, totales;
        porElRelevo(0, m_rapido ? 1 : 5, listos, totales);
        SoapClient cliente;
        cliente.setLimiteRespuesta(Limite);
        cliente.setDireccion(m_sim.wsdl());
        const std::unique_ptr<Itrazen> itrazen = cliente.itrazen();
        QList<double> descarga, completa;
        for (int i = 0; i < vueltas; ++i) {
            Reloj::time_point ultimo;
            Reloj::time_point inicio = Reloj::now();
            descargar(ultimo, false);
            descarga << Ms(ultimo - inicio);
            inicio = Reloj::now();
            llamar(*itrazen);
            completa << Ms(Reloj::now() - inicio);
        }
        Reloj::time_point ultimo;
        const QByteArray bytes = descargar(ultimo, true);
        QList<double> pasada;
        for (int i = 0; i < 5; ++i) {
            const Reloj::time_point inicio = Reloj::now();
            QVERIFY(PasadaLibxml2(bytes) > 0);
            pasada << Ms(Reloj::now() - inicio);
        }
        const double d = MedianaMs(descarga), c = MedianaMs(completa), p = MedianaMs(pasada);
        qInfo("en el loopback, %.1f MB; %d vueltas", bytes.size() / double(1 << 20), vueltas);
        qInfo("  sólo descarga (hasta el último byte): mediana %.1f ms, mínimo %.1f ms", d, MinimoMs(descarga));
        qInfo("  llamada completa (hasta los objetos): primera %.1f ms, mediana %.1f ms, mínimo %.1f ms",
              completa.constFirst(), c, MinimoMs(completa));
        qInfo("  pasada de libxml2 sobre los mismos bytes: mediana %.1f ms", p);
        qInfo("  por el relevo sin pausa: objetos listos tras el último byte %.1f ms en la primera llamada, "
              "mediana %.1f ms = %.2f veces la pasada (meta: hasta 1.2)",
              listos.constFirst(), MedianaMs(listos), MedianaMs(listos) / p);
        qInfo("  sin relevo, la llamada menos la descarga: %.1f ms por medianas = %.2f veces la pasada, %.1f ms por "
              "mínimos = %.2f veces", c - d, (c - d) / p, MinimoMs(completa) - MinimoMs(descarga),
              (MinimoMs(completa) - MinimoMs(descarga)) / p);
    }
};

QTEST_GUILESS_MAIN(BenchServidorListo)
#include "bench_servidor_listo.moc"
