// wstrazen-sim: serves the Itrazen SOAP service of a sample restaurant on the loopback
// interface, for tests and demonstrations of the client.
#include "sim/ServidorHttp.h"
#include "sim/Sitio.h"
#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>

namespace {

QString Opcion(const QString &clave)
{
    return QString(clave).replace(u'_', u'-');
}

} // namespace

int main(int argc, char *argv[])
{
    // Pictures are drawn with fonts, which need a platform; the sim never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wstrazen-sim"));

    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral(
        "Servidor de prueba del servicio SOAP Itrazen (restaurante de muestra La Candelaria).\n"
        "Usuarios: mesero/1234, lupita/4321, admin/admin; contador/cuentas no tiene acceso al POS;\n"
        "practicante/2468 tiene acceso al POS pero ningun almacen.\n"
        "Control en http://<host>:<puerto>/control/ (estado, ajustes, listos, cerrar, comandas, llamadas, "
        "reiniciar)."));
    cli.addHelpOption();
    const QCommandLineOption host(QStringLiteral("host"), QStringLiteral("direccion de escucha (127.0.0.1)"),
                                  QStringLiteral("direccion"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption puerto(QStringLiteral("port"), QStringLiteral("puerto; 0 elige uno libre (3269)"),
                                    QStringLiteral("puerto"), QStringLiteral("3269"));
    const QCommandLineOption db(QStringLiteral("db"),
                                QStringLiteral("archivo SQLite; se crea con la muestra si no existe"
                                               " (sin esta opcion, base en memoria)"),
                                QStringLiteral("archivo"));
    cli.addOptions({host, puerto, db});
    const QList<AjustesSim::Clave> claves = AjustesSim::claves();
    for (const AjustesSim::Clave &c : claves)
        cli.addOption(QCommandLineOption(Opcion(c.nombre), c.ayuda, QStringLiteral("valor")));
    cli.process(app);

    AjustesSim ajustes;
    for (const AjustesSim::Clave &c : claves) {
        if (!cli.isSet(Opcion(c.nombre)))
            continue;
        const QString error = ajustes.aplicarTexto(c.nombre, cli.value(Opcion(c.nombre)));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "wstrazen-sim: %s\n", qPrintable(error));
            return 2;
        }
    }
    bool ok = false;
    const uint n = cli.value(puerto).toUInt(&ok);
    const QHostAddress direccion(cli.value(host));
    if (!ok || n > 65535 || direccion.isNull()) {
        std::fprintf(stderr, "wstrazen-sim: direccion o puerto no validos\n");
        return 2;
    }

    std::unique_ptr<Sitio> sitio;
    try {
        sitio = std::make_unique<Sitio>(cli.value(db), ajustes);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "wstrazen-sim: %s\n", e.what());
        return 1;
    }
    ServidorHttp servidor([&](const PeticionHttp &p) { return sitio->atender(p); });
    const quint16 escucha = servidor.escuchar(direccion, quint16(n));
    if (escucha == 0) {
        std::fprintf(stderr, "wstrazen-sim: no se pudo escuchar en %s:%u\n", qPrintable(direccion.toString()), n);
        return 1;
    }
    const bool todas = direccion == QHostAddress::Any || direccion == QHostAddress::AnyIPv4 ||
                       direccion == QHostAddress::AnyIPv6;
    const QString nombre = todas ? QStringLiteral("127.0.0.1")
                           : direccion.protocol() == QAbstractSocket::IPv6Protocol
                               ? u'[' + direccion.toString() + u']'
                               : direccion.toString();
    // Tests read this line to learn the address.
    std::printf("wstrazen-sim escuchando en http://%s:%u%s\n", qPrintable(nombre), unsigned(escucha), Sitio::RutaWsdl);
    std::fflush(stdout);
    return app.exec();
}
