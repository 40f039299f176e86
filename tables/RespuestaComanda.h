#pragma once
#include <QString>

/// The answer of the service to a saved comanda: 2 means saved.
inline constexpr int ComandaGuardada = 2;
/// Stored without the products the server could not take.
inline constexpr int ComandaGuardadaSinProducto = 1;

/// What the waiter reads for an answer of the service to a saved comanda; empty for 2
/// (saved, nothing to say). Answers outside 0 to 6 mean the user has no access.
[[nodiscard]] QString MensajeGuardarComanda(int r);

/// What the waiter reads when the call itself failed: "Error: " and the failure's text.
[[nodiscard]] QString MensajeErrorEnvio(const QString &error);
