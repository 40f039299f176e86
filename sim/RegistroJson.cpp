#include "sim/RegistroJson.h"
#include "service/TCategoria.h"
#include "service/TInfo1.h"
#include "service/TPedido.h"
#include "service/TProducto.h"
#include "service/TSurtido.h"
#include <QHash>
#include <QJsonArray>

namespace {

// An array field carries no operations for its std::optional<R> entries, so the
// element types that can occur are listed here.
const OpcionalOps *OpsElemento(const TypeInfo &t)
{
    static const QHash<const TypeInfo *, const OpcionalOps *> ops{
        {&TDetalle::tipo(), remotable::opsOpcional<TDetalle>()},
        {&TInfo1::tipo(), remotable::opsOpcional<TInfo1>()},
        {&TSurtido::tipo(), remotable::opsOpcional<TSurtido>()},
        {&TCategoria::tipo(), remotable::opsOpcional<TCategoria>()},
        {&TSubCategoria::tipo(), remotable::opsOpcional<TSubCategoria>()},
        {&TProducto::tipo(), remotable::opsOpcional<TProducto>()},
    };
    return ops.value(&t);
}

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
        const OpcionalOps *ops = f.opcional ? f.opcional : OpsElemento(elemento);
        for (qsizetype i = 0, n = f.arreglo->largo(lista); i < n; ++i) {
            const void *r = ops ? ops->valor(f.arreglo->elementoC(lista, i)) : nullptr;
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
