#include "Ventana.h"
#include "app/ClienteSoap.h"
#include "app/TTabbedForm.h"
#if __has_include("kitchen/CrearCentroNotificaciones.h")
#include "kitchen/CrearCentroNotificaciones.h"
#define TZ_NOTIFICACIONES 1
#endif
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
#ifdef TZ_NOTIFICACIONES
    plataforma.notificaciones1 = CrearCentroNotificaciones();
    plataforma.notificaciones2 = CrearCentroNotificaciones();
#endif

    TTabbedForm forma(plataforma);
    QQmlApplicationEngine motor;
    if (!CargarVentana(motor, forma))
        return 1;
    return QApplication::exec();
}
