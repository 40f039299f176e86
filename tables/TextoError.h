#pragma once
#include "service/ErrorServicio.h"
#include <QString>
#include <exception>

namespace tablas {
/// The message text of a failed service call.
[[nodiscard]] inline QString textoError(const std::exception &err)
{
    if (auto *s = dynamic_cast<const ErrorServicio *>(&err))
        return s->mensaje();
    return QString::fromUtf8(err.what());
}

/// The same for an error caught whole.
[[nodiscard]] inline QString textoError(const std::exception_ptr &err)
{
    try {
        std::rethrow_exception(err);
    } catch (const std::exception &e) {
        return textoError(e);
    } catch (...) {
        return QStringLiteral("Error desconocido");
    }
}

/// The request went out and no answer came: the server may have acted on it.
[[nodiscard]] inline bool sinRespuesta(const std::exception &err)
{
    auto *s = dynamic_cast<const ErrorServicio *>(&err);
    return s && s->peticionEnviada();
}

/// The server could not be reached at all: nothing was sent.
[[nodiscard]] inline bool sinConexion(const std::exception_ptr &err)
{
    try {
        std::rethrow_exception(err);
    } catch (const ErrorServicio &e) {
        return e.sinConexion();
    } catch (...) {
        return false;
    }
}
} // namespace tablas
