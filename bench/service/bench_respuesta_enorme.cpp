// A server that answers ListaProductoConFoto with one picture of 1.5 GB of Base64,
// made while it is sent and never held: how much memory the client reaches before it
// refuses the reply, and how long the refusal takes. The client is itrazen-call, run
// as a child process; its peak resident memory is what the kernel reports when it is
// reaped. Each framing of the body is measured next to a small call of the same
// program, which is the figure the program needs anyway.
#include "ProgramaMedido.h"
#include "tests/service/ServidorPrueba.h"
#include <QtTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 MB = 1 << 20;
constexpr qint64 BytesBase64 = qint64(1536) * MB;

/// Runs itrazen-call with `argumentos` while this thread's event loop serves.
Corrida Correr(const QStringList &argumentos) { return CorrerPrograma(QStringLiteral(TZ_ITRAZEN_CALL), argumentos); }

/// The reply with the picture, made piece by piece.
ServidorPrueba::Generador FotoEnorme()
{
    const QByteArray bloque = QByteArray("xxx").repeated(48 * 1024).toBase64(); // 64 KB of "eHh4"
    return [bloque, paso = 0, resta = BytesBase64]() mutable -> QByteArray {
        if (paso == 0) {
            ++paso;
            return "<?xml version=\"1.0\"?><SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/"
                   "envelope/\"><SOAP-ENV:Body><NS1:ListaProductoConFotoResponse xmlns:NS1=\"urn:trazenIntf-Itrazen\">"
                   "<return><Count>1</Count><ArrayProducto><item><ID>1</ID><Foto>";
        }
        if (resta > 0) {
            resta -= bloque.size();
            return bloque;
        }
        if (paso++ == 1)
            return "</Foto></item></ArrayProducto></return></NS1:ListaProductoConFotoResponse></SOAP-ENV:Body>"
                   "</SOAP-ENV:Envelope>";
        return {};
    };
}

double Mediana(QList<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : double(v[v.size() / 2]);
}
} // namespace

class BenchRespuestaEnorme : public QObject {
    Q_OBJECT

private slots:
    void picoAntesDelRechazo()
    {
        const int vueltas = qEnvironmentVariableIsSet("TZ_BENCH_RAPIDO") ? 1 : 5;
        ServidorPrueba servidor;
        servidor.en("/wsdl/Itrazen", ServidorPrueba::Respuesta{200, WsdlPrueba(servidor.url("/soap/Itrazen").toString())});
        servidor.en("/soap/pequena", ServidorPrueba::Respuesta{
                                         200, "<?xml version=\"1.0\"?><SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://"
                                              "schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body><NS1:"
                                              "VersionWSPosResponse xmlns:NS1=\"urn:trazenIntf-Itrazen\"><return>1"
                                              "</return></NS1:VersionWSPosResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>"});
        servidor.en("/wsdl/pequena", ServidorPrueba::Respuesta{200, WsdlPrueba(servidor.url("/soap/pequena").toString())});
        const QString wsdl = servidor.url("/wsdl/Itrazen").toString();
        const QStringList lista{wsdl, u"ListaProductoConFoto"_s, u"User=mesero"_s, u"Foto=1"_s};

        struct Marco {
            const char *nombre;
            std::function<void(ServidorPrueba::Respuesta &)> poner;
        };
        const Marco marcos[] = {
            {"troceada", [](ServidorPrueba::Respuesta &r) { r.troceada = true; }},
            {"hasta el cierre", [](ServidorPrueba::Respuesta &r) { r.sinLargo = true; }},
            {"con Content-Length", [](ServidorPrueba::Respuesta &r) { r.largo = BytesBase64 + 400; }},
        };

        qInfo("itrazen-call, ListaProductoConFoto con una foto de %lld MB de Base64; %d vueltas", BytesBase64 / MB,
              vueltas);
        QList<qint64> picoPequena, msPequena;
        for (int i = 0; i < vueltas; ++i) {
            const Corrida c = Correr({servidor.url("/wsdl/pequena").toString(), u"VersionWSPos"_s});
            QVERIFY2(c.salida == 0, qPrintable(c.error));
            picoPequena << c.picoKb;
            msPequena << c.ms;
        }
        qInfo("  llamada pequeña (VersionWSPos): pico %.0f MB, %.0f ms", Mediana(picoPequena) / 1024,
              Mediana(msPequena));
        for (const Marco &m : marcos) {
            ServidorPrueba::Respuesta r;
            m.poner(r);
            r.generar = FotoEnorme();
            servidor.en("/soap/Itrazen", r);
            QList<qint64> pico, ms;
            QString error;
            for (int i = 0; i < vueltas; ++i) {
                const Corrida c = Correr(lista);
                QVERIFY2(c.salida == 1, qPrintable(u"salida %1: %2"_s.arg(c.salida).arg(c.error)));
                pico << c.picoKb;
                ms << c.ms;
                error = c.error;
            }
            qInfo("  %s: rechazada en %.0f ms, pico %.0f MB (meta: pico < 200 MB); \"%s\"", m.nombre, Mediana(ms),
                  double(*std::max_element(pico.cbegin(), pico.cend())) / 1024, qPrintable(error));
        }
    }
};

QTEST_GUILESS_MAIN(BenchRespuestaEnorme)
#include "bench_respuesta_enorme.moc"
