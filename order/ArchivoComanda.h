#pragma once
#include "app/SeguimientoEnvio.h"
#include "service/TPedido.h"
#include <QByteArray>
#include <stdexcept>

/// The comanda being composed, as the data folder keeps it between runs.
struct ComandaEnCurso {
    QString usuario;  // who composed it
    QString servidor; // the service address it is for; empty in demo mode
    TPedido pedido;
    QString mesa;     // the table's name
    QString nombre;   // the customer's name as typed
    int personas = 1;
    SeguimientoEnvio envio;
};

/// A saved comanda that cannot be taken back: the text says why.
class ErrorComandaGuardada : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The file's name in the data folder.
inline constexpr const char *NombreArchivoComanda = "ComandaEnCurso.json";

/// The file's bytes: a first line with the format, its version, the body's length and
/// its BLAKE2b-256 (SHA-256 in version 1), then the body in JSON. The check tells a cut-off or damaged file.
[[nodiscard]] QByteArray EscribirComandaEnCurso(const ComandaEnCurso &c);

/// Reads the bytes whole or not at all: throws ErrorComandaGuardada for a damaged or
/// cut-off file, one of another format version, or one that does not hold a comanda.
[[nodiscard]] ComandaEnCurso LeerComandaEnCurso(const QByteArray &bytes);
