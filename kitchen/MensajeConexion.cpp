#include "kitchen/MensajeConexion.h"

QString MensajeSinConexion(const QString &error)
{
    return QStringLiteral("No hay conexión al URL\r") + error;
}
