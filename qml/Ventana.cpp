#include "Ventana.h"
#include "ProveedorImagenes.h"
#include "shell/TTabbedForm.h"
#include <QQuickStyle>

QQuickWindow *CargarVentana(QQmlApplicationEngine &motor, TTabbedForm &forma)
{
    // The style is chosen once per process, before the first screens load.
    static const bool estilo = [] {
        QQuickStyle::setStyle(QStringLiteral("Material"));
        return true;
    }();
    Q_UNUSED(estilo);
    motor.addImportPath(QStringLiteral("qrc:/"));
    motor.addImageProvider(QStringLiteral("tz"), new ProveedorImagenes);
    motor.setInitialProperties({{QStringLiteral("form"), QVariant::fromValue<QObject *>(&forma)}});
    motor.load(QUrl(QStringLiteral("qrc:/Trazen/Main.qml")));
    if (motor.rootObjects().isEmpty())
        return nullptr;
    return qobject_cast<QQuickWindow *>(motor.rootObjects().constFirst());
}
