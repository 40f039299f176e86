#include "tables/RespuestaComanda.h"

QString MensajeGuardarComanda(int r)
{
    switch (r) {
    case 0: return QStringLiteral("Error. No se pudo Guardar...");
    case 1: return QStringLiteral("No se pudo guardar un producto");
    case ComandaGuardada: return {};
    case 3: return QStringLiteral("No tiene un Corte Abierto");
    case 4: return QStringLiteral("Error. Cabecera de Comanda");
    case 5: return QStringLiteral("Error. Uno de los productos No existe");
    // The service has no text of its own for 6; an empty box would tell the waiter
    // nothing, while the comanda was not saved.
    case 6: return QStringLiteral("No se pudo guardar la comanda (6)");
    default: return QStringLiteral("El usuario no tiene acceso (") + QString::number(r) + QStringLiteral(")");
    }
}

QString MensajeErrorEnvio(const QString &error) { return QStringLiteral("Error: ") + error; }
