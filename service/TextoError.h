#pragma once
#include "service/ErrorServicio.h"
#include <QString>
#include <exception>

/// The message text of a failed service call: the service's own message, or what the
/// error says.
[[nodiscard]] inline QString TextoError(const std::exception &err)
{
    if (auto *s = dynamic_cast<const ErrorServicio *>(&err))
        return s->mensaje();
    return QString::fromUtf8(err.what());
}

/// The same for an error caught whole.
[[nodiscard]] inline QString TextoError(const std::exception_ptr &err)
{
    try {
        std::rethrow_exception(err);
    } catch (const std::exception &e) {
        return TextoError(e);
    } catch (...) {
        return QStringLiteral("Error desconocido");
    }
}

/// The request went out and no answer came: the server may have acted on it.
[[nodiscard]] inline bool SinRespuesta(const std::exception &err)
{
    auto *s = dynamic_cast<const ErrorServicio *>(&err);
    return s && s->peticionEnviada();
}

/// The server could not be reached at all: nothing was sent.
[[nodiscard]] inline bool SinConexion(const std::exception_ptr &err)
{
    try {
        std::rethrow_exception(err);
    } catch (const ErrorServicio &e) {
        return e.sinConexion();
    } catch (...) {
        return false;
    }
}
