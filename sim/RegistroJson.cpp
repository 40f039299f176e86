#include "sim/RegistroJson.h"
#include <QJsonArray>

namespace {

QJsonValue RegistroOpcional(const void *opcional, const FieldInfo &f)
{
    const void *r = f.opcional->valor(opcional);
    return r ? QJsonValue(RegistroJson(r, *f.anidado())) : QJsonValue(QJsonValue::Null);
}

QJsonValue Campo(const void *registro, const FieldInfo &f)
{
    switch (f.tipo) {
    case Tipo::Integer:
        return f.de<int>(registro);
    case Tipo::Double:
    case Tipo::DateTime:
    case Tipo::Date:
    case Tipo::Time:
        return f.de<double>(registro);
    case Tipo::Boolean:
        return f.de<bool>(registro);
    case Tipo::String:
        return f.de<QString>(registro);
    case Tipo::Bytes:
        return QString::fromLatin1(f.de<QByteArray>(registro).toBase64());
    case Tipo::XSDateTime: {
        const auto &v = f.de<std::optional<QDateTime>>(registro);
        return v ? QJsonValue(v->toString(Qt::ISODateWithMs)) : QJsonValue(QJsonValue::Null);
    }
    case Tipo::Record:
        return RegistroOpcional(f.dir(const_cast<void *>(registro)), f);
    case Tipo::Array: {
        QJsonArray a;
        const void *lista = f.dir(const_cast<void *>(registro));
        const TypeInfo &elemento = *f.anidado();
        for (qsizetype i = 0, n = f.arreglo->largo(lista); i < n; ++i) {
            const void *r = f.opcional->valor(f.arreglo->elementoC(lista, i));
            a.append(r ? QJsonValue(RegistroJson(r, elemento)) : QJsonValue(QJsonValue::Null));
        }
        return a;
    }
    }
    return {};
}

} // namespace

QJsonObject RegistroJson(const void *registro, const TypeInfo &tipo)
{
    QJsonObject o;
    for (const FieldInfo &f : tipo.campos)
        o.insert(QLatin1StringView(f.nombre), Campo(registro, f));
    return o;
}
