#include "kitchen/TituloNotificacion.h"

QString TituloNotificacion(const Notificacion &n)
{
    return n.nombre + QStringLiteral(" (") + QString::number(n.numero) + u')';
}
