#include "kitchen/MensajeConexion.h"
#include "service/ErrorServicio.h"

QString TextoError(const std::exception &err)
{
    if (const auto *s = dynamic_cast<const ErrorServicio *>(&err))
        return s->mensaje();
    return QString::fromUtf8(err.what());
}

QString MensajeSinConexion(const std::exception &err)
{
    return QStringLiteral("No hay conexión al URL\r") + TextoError(err);
}
