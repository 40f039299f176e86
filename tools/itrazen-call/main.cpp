// itrazen-call: calls one operation of the restaurant's service and prints the answer
// as JSON; installers use it to check a server.
#include "ArgumentosLinea.h"
#include "service/LlamadaJson.h"
#include "service/SoapClient.h"
#include <QCoreApplication>
#include <cstdio>

namespace {
constexpr qint64 LimiteRespuesta = qint64(1) << 30;

void Escribir(FILE *f, const QString &s) { std::fputs(s.toLocal8Bit().constData(), f); }

QString Ayuda()
{
    QString s = QStringLiteral(
        "Uso: itrazen-call [--timeout ms] <url-wsdl> <Operación> [Nombre=valor ...]\n"
        "\n"
        "Llama una operación del servicio Itrazen y escribe en JSON su resultado (\"result\")\n"
        "y los parámetros var y out. Los parámetros que no se den van con su valor inicial.\n"
        "Un registro (TPedido) se da en JSON, en línea o como @archivo.\n"
        "\n"
        "  --timeout ms  tiempo máximo para conectar y para esperar la respuesta (500000)\n"
        "  --help        esta ayuda\n"
        "\n"
        "La respuesta se escribe en una línea mientras se genera, los campos de cada registro\n"
        "en el orden en que viajan.\n"
        "\n"
        "Salida: 0 éxito; 1 la llamada falló (el mensaje va a la salida de errores);\n"
        "2 argumentos no válidos.\n"
        "\n"
        "Operaciones:\n");
    for (const OperacionItrazen &op : OperacionesItrazen())
        s += QStringLiteral("  ") + FirmaDe(op) + u'\n';
    return s;
}

int Uso(const QString &mensaje)
{
    Escribir(stderr, mensaje + QStringLiteral("\nVea itrazen-call --help\n"));
    return 2;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.contains(u"--help") || args.contains(u"-h")) {
        Escribir(stdout, Ayuda());
        return 0;
    }
    SoapClient cliente;
    // A server's full menu with its pictures runs to hundreds of megabytes; a single
    // value beyond the per-token limit is still refused as soon as it passes it.
    cliente.setLimiteRespuesta(LimiteRespuesta);
    if (const qsizetype i = args.indexOf(u"--timeout"); i >= 0) {
        bool ok = false;
        const int ms = args.value(i + 1).toInt(&ok);
        if (!ok || ms <= 0)
            return Uso(QStringLiteral("--timeout espera milisegundos"));
        cliente.setTimeouts(ms, ms);
        args.remove(i, 2);
    }
    if (args.size() < 2)
        return Uso(QStringLiteral("Faltan la dirección de la descripción y la operación"));
    const OperacionItrazen *op = OperacionItrazenDe(args[1]);
    if (!op)
        return Uso(QStringLiteral("Operación desconocida: %1").arg(args[1]));

    try {
        const QJsonObject argumentos = ArgumentosDeLinea(*op, args.mid(2));
        cliente.setDireccion(args[0]);
        ItrazenSoap itrazen(cliente);
        // Written as it is made, in blocks: a long list never piles up as text.
        EscritorJson salida([](QByteArrayView bloque) { std::fwrite(bloque.data(), 1, size_t(bloque.size()), stdout); });
        LlamarConJson(itrazen, *op, argumentos, salida);
        salida.vaciar();
        std::fputc('\n', stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const ErrorJson &e) {
        return Uso(QString::fromStdString(e.what()));
    } catch (const ErrorServicio &e) {
        Escribir(stderr, e.mensaje() + u'\n');
        return 1;
    }
}
