#pragma once
// JSON form of the service's values, over the same field tables as the wire: records
// are objects keyed by field name, arrays are arrays (null for an empty slot), bytes
// are Base64 text, TDateTime an ISO date-time text, TDate/TTime the day count, special
// doubles the texts "NaN", "INF" and "-INF". Used where people read or write values
// (itrazen-call).
#include "service/Valor.h"
#include <QJsonObject>
#include <QJsonValue>
#include <stdexcept>

/// A JSON value that does not fit the type it should fill.
class ErrorJson : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[nodiscard]] QJsonValue ValorAJson(const Valor &valor);
/// Fills `destino` from JSON; fields the object does not name keep their value.
/// Throws ErrorJson on a wrong type or an unknown field.
void JsonAValor(const QJsonValue &json, const Valor &destino);

[[nodiscard]] QJsonObject RegistroAJson(const void *registro, const TypeInfo &tipo);
void JsonARegistro(const QJsonObject &json, void *registro, const TypeInfo &tipo);

template <class R> [[nodiscard]] QJsonObject RegistroAJson(const R &registro)
{
    return RegistroAJson(&registro, R::tipo());
}
