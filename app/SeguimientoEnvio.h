#pragma once
#include <QList>
#include <QString>
#include <optional>

/// Where the comanda being composed stands with the server.
enum class EstadoEnvio {
    Componiendo,  // not sent yet
    Rechazada,    // the server answered and did not store it; the message says why
    Enviando,     // a try is under way: the request may be out
    SinConfirmar, // the request went out and no answer came: it may be stored
};

/// What tells a sent comanda apart in the server's list of open comandas.
struct FirmaComanda {
    int mesa = 0;     // NuPaso
    QString cliente;  // ReferenciaPago as sent
    int personas = 0; // NuEstado
    double total = 0;
    bool operator==(const FirmaComanda &) const = default;
};

/// The send of the comanda being composed: its state, what the waiter was told, and what
/// the search on the server needs after a try that got no answer.
struct SeguimientoEnvio {
    EstadoEnvio estado = EstadoEnvio::Componiendo;
    QString mensaje;   // the refusal, or why the comanda is unconfirmed
    FirmaComanda firma; // of the last try
    /// Numbers of the server's comandas that already matched the signature before the
    /// first try: they are someone else's. None when the server could not be asked.
    std::optional<QList<int>> previas;

    /// Lines, table, customer and persons are fixed while a try may be on the server.
    [[nodiscard]] bool bloqueada() const
    {
        return estado == EstadoEnvio::Enviando || estado == EstadoEnvio::SinConfirmar;
    }
    bool operator==(const SeguimientoEnvio &) const = default;
};

/// The first words of every message about a try that may be on the server.
inline const QString TextoSinConfirmar = QStringLiteral("No se pudo confirmar si la comanda llegó al servidor");

/// What the comanda screen says of the send; empty while there is nothing to say.
[[nodiscard]] inline QString TextoEnvio(const SeguimientoEnvio &envio)
{
    switch (envio.estado) {
    case EstadoEnvio::Componiendo: return {};
    case EstadoEnvio::Rechazada: return QStringLiteral("No se guardó: ") + envio.mensaje;
    case EstadoEnvio::Enviando: return QStringLiteral("Enviando Comanda");
    case EstadoEnvio::SinConfirmar:
        return QStringLiteral("Sin confirmar: no se pudo confirmar si la comanda llegó al servidor. Surtir Comanda "
                              "la busca en el servidor antes de enviarla de nuevo.");
    }
    return {};
}
