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
} // namespace tablas
