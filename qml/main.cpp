#include "Ventana.h"
#include "app/ClienteSoap.h"
#include "shell/TTabbedForm.h"
#include "kitchen/CrearCentroNotificaciones.h"
#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QQmlApplicationEngine>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(TrazenPlugin)

int main(int argc, char *argv[])
{
    // Widgets only for the tray icon, where the desktop has no notification service.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TrazenMovil"));
    QApplication::setOrganizationName(QStringLiteral("Trazen"));
    QApplication::setApplicationDisplayName(QStringLiteral("Trazen Móvil"));

    Plataforma plataforma;
    plataforma.servicio = std::make_shared<ClienteSoap>();
    plataforma.tecladoVisible = [] { return QGuiApplication::inputMethod()->isVisible(); };
    plataforma.notificaciones1 = CrearCentroNotificaciones();
    plataforma.notificaciones2 = CrearCentroNotificaciones();

    TTabbedForm forma(plataforma);
    QQmlApplicationEngine motor;
    if (!CargarVentana(motor, forma))
        return 1;
    return QApplication::exec();
}
