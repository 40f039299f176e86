// itrazen-call printing the JSON of a large ListaProductoConFoto (2000 products with
// pictures of 20 KB), run as installers run it against a server in this benchmark
// that sends the reply from memory, next to the same bytes read in a fresh child
// process: a bare libxml2 pass, the decode alone, the decode with the JSON text made
// the way itrazen-call made it before (QJsonDocument, indented, whole in memory), and
// the decode with the JSON written piece by piece. itrazen-call's own fixed cost (start,
// description, connection) is that of a small call of the same program, given apart.
#include "CasoAparte.h"
#include "CasosLectura.h"
#include "ProgramaMedido.h"
#include "RespuestaGrande.h"
#include "tests/service/ServidorPrueba.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
constexpr double MB = 1 << 20;

double Mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}
} // namespace

class BenchItrazenCall : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    const bool m_rapido = qEnvironmentVariableIsSet("TZ_BENCH_RAPIDO");
    const int m_productos = m_rapido ? 50 : 2000;

private slots:
    void contraLaDecodificacion()
    {
        const QString archivo = m_dir.filePath(u"lista.xml"_s);
        {
            QFile f(archivo);
            QVERIFY(f.open(QIODevice::WriteOnly));
            EscribirListaProductos(f, m_productos, 20 * 1024);
        }
        const qint64 tamano = QFileInfo(archivo).size();

        QHash<QString, double> ms;
        QHash<QString, double> pico;
        for (const QString caso : {u"libxml2"_s, u"decodificar"_s, u"json_qt"_s, u"json_flujo"_s}) {
            const CasoAparte c = CorrerAparte({u"--caso"_s, caso, archivo, u"1"_s});
            QVERIFY2(c.bien, qPrintable(c.error));
            ms[caso] = c[u"primera_ms"_s];
            pico[caso] = c[u"pico"_s];
        }

        ServidorPrueba servidor;
        servidor.en("/wsdl/Itrazen", ServidorPrueba::Respuesta{200, WsdlPrueba(servidor.url("/soap/Itrazen").toString())});
        // Sent from the file piece by piece: this process stays small, since a child
        // started from it begins its peak memory count with this one's.
        ServidorPrueba::Respuesta archivoLista;
        archivoLista.largo = tamano;
        archivoLista.generar = [archivo, f = std::shared_ptr<QFile>()]() mutable {
            if (!f) {
                f = std::make_shared<QFile>(archivo);
                f->open(QIODevice::ReadOnly);
            }
            return f->read(64 * 1024);
        };
        servidor.en("/soap/Itrazen", archivoLista);
        servidor.en("/wsdl/pequena", ServidorPrueba::Respuesta{200, WsdlPrueba(servidor.url("/soap/pequena").toString())});
        servidor.en("/soap/pequena", ServidorPrueba::Respuesta{
                                         200, "<?xml version=\"1.0\"?><SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://"
                                              "schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body><NS1:"
                                              "VersionWSPosResponse xmlns:NS1=\"urn:trazenIntf-Itrazen\"><return>1"
                                              "</return></NS1:VersionWSPosResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>"});
        const int vueltas = m_rapido ? 1 : 5;
        QList<double> msLista, msPequena, picoLista;
        const QString salida = m_dir.filePath(u"salida.json"_s);
        for (int i = 0; i < vueltas; ++i) {
            const Corrida p = CorrerPrograma(QStringLiteral(TZ_ITRAZEN_CALL),
                                             {servidor.url("/wsdl/pequena").toString(), u"VersionWSPos"_s});
            QVERIFY2(p.salida == 0, qPrintable(p.error));
            msPequena << p.ms;
            const Corrida c = CorrerPrograma(QStringLiteral(TZ_ITRAZEN_CALL),
                                             {servidor.url("/wsdl/Itrazen").toString(), u"ListaProductoConFoto"_s,
                                              u"User=mesero"_s, u"Foto=1"_s},
                                             salida);
            QVERIFY2(c.salida == 0, qPrintable(c.error));
            msLista << c.ms;
            picoLista << c.picoKb * 1024.0;
        }
        QFile json(salida);
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QByteArray inicio = json.read(64);
        QVERIFY2(inicio.startsWith("{\"result\":{\"Count\":" + QByteArray::number(m_productos) + ",\"ArrayProducto\":[{\"ID\":"),
                 inicio.constData());

        const double lista = Mediana(msLista), pequena = Mediana(msPequena), neto = lista - pequena;
        const double base = ms[u"libxml2"_s], decodificar = ms[u"decodificar"_s];
        qInfo("ListaProductoConFoto, %d productos con fotos de 20 KB: respuesta de %.1f MB, JSON de %.1f MB",
              m_productos, tamano / MB, json.size() / MB);
        qInfo("  en un proceso nuevo, sobre los mismos bytes (primera lectura):");
        qInfo("    libxml2 xmlTextReader (base):           %7.1f ms", base);
        qInfo("    decodificar:                            %7.1f ms = %.2f veces la base", decodificar, decodificar / base);
        qInfo("    decodificar + JSON como antes (Qt):     %7.1f ms, pico %.1f MB", ms[u"json_qt"_s], pico[u"json_qt"_s] / MB);
        qInfo("    decodificar + JSON por partes:          %7.1f ms, pico %.1f MB", ms[u"json_flujo"_s],
              pico[u"json_flujo"_s] / MB);
        qInfo("  itrazen-call (mediana de %d): %.1f ms; una llamada pequeña del mismo programa: %.1f ms", vueltas, lista,
              pequena);
        qInfo("    sin el costo fijo: %.1f ms = %.2f veces decodificar (meta: lo más cerca de 1), %.2f veces "
              "decodificar + JSON como antes (meta: menos de 1), %.2f veces la base",
              neto, neto / decodificar, neto / ms[u"json_qt"_s], neto / base);
        qInfo("    memoria pico: %.1f MB = %.2f veces la respuesta (meta: hasta 2)", Mediana(picoLista) / MB,
              Mediana(picoLista) / tamano);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == u"--caso")
        return CasoDeLectura(args.mid(1));
    BenchItrazenCall bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_itrazen_call.moc"
