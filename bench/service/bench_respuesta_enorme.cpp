// A server that answers ListaProductoConFoto with one picture of 1.5 GB of Base64,
// made while it is sent and never held: how much memory the client reaches before it
// refuses the reply, and how long the refusal takes. The client is itrazen-call, run
// as a child process; its peak resident memory is what the kernel reports when it is
// reaped. Each framing of the body is measured next to a small call of the same
// program, which is the figure the program needs anyway.
#include "tests/service/ServidorPrueba.h"
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 MB = 1 << 20;
constexpr qint64 BytesBase64 = qint64(1536) * MB;

/// How one run of the client ended.
struct Corrida {
    int salida = -1;
    qint64 picoKb = 0;
    qint64 ms = 0;
    QString error; // what it wrote to stderr
};

/// Runs itrazen-call with `argumentos` while this thread's event loop serves, and reaps
/// it with its resource use.
Corrida Correr(const QStringList &argumentos, const QTemporaryDir &dir)
{
    const QByteArray programa = TZ_ITRAZEN_CALL;
    QList<QByteArray> args{programa};
    for (const QString &a : argumentos)
        args << a.toLocal8Bit();
    QList<char *> argv;
    for (QByteArray &a : args)
        argv << a.data();
    argv << nullptr;
    const QByteArray errores = dir.filePath(u"stderr"_s).toLocal8Bit();
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, 2, errores.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    Corrida c;
    QElapsedTimer reloj;
    reloj.start();
    pid_t pid = 0;
    const int fallo = posix_spawn(&pid, programa.constData(), &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    if (fallo != 0)
        return c;
    QEventLoop bucle;
    QTimer mirar;
    QObject::connect(&mirar, &QTimer::timeout, &bucle, [&] {
        int estado = 0;
        struct rusage uso {};
        if (wait4(pid, &estado, WNOHANG, &uso) != pid)
            return;
        c.ms = reloj.elapsed();
        c.salida = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
        c.picoKb = uso.ru_maxrss;
        bucle.quit();
    });
    mirar.start(2);
    bucle.exec();
    QFile f(QString::fromLocal8Bit(errores));
    if (f.open(QIODevice::ReadOnly))
        c.error = QString::fromUtf8(f.readAll()).trimmed();
    return c;
}

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
        QTemporaryDir dir;
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
            const Corrida c = Correr({servidor.url("/wsdl/pequena").toString(), u"VersionWSPos"_s}, dir);
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
                const Corrida c = Correr(lista, dir);
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
