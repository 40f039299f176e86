#pragma once
#include "service/Remotable.h"
#include <QJsonObject>

/// Every field of a record (any type with a field table) as JSON, by its wire name:
/// numbers and day counts as numbers, bytes as Base64, date-times as ISO text, absent
/// records as null, arrays as arrays. What the control interface shows of a comanda.
[[nodiscard]] QJsonObject RegistroJson(const void *registro, const TypeInfo &tipo);

template <class R> [[nodiscard]] QJsonObject RegistroJson(const R &registro)
{
    return RegistroJson(&registro, R::tipo());
}
