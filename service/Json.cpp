#include "service/Json.h"
#include "service/FormatoSoap.h"
#include "service/RefValor.h"
#include <QJsonArray>
#include <cmath>

namespace {
QJsonValue Numero(double v)
{
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue(TextoDouble(v));
}

QJsonValue AJson(const RefValor &v)
{
    switch (v.tipo) {
    case Tipo::Integer: return v.como<int>();
    case Tipo::Boolean: return v.como<bool>();
    case Tipo::String: return v.como<QString>();
    case Tipo::Double:
    case Tipo::Date:
    case Tipo::Time: return Numero(v.como<double>());
    case Tipo::DateTime: return TextoFechaHora(v.como<double>());
    case Tipo::Bytes: return QString::fromLatin1(v.como<QByteArray>().toBase64());
    case Tipo::XSDateTime: {
        const auto &f = v.como<std::optional<QDateTime>>();
        return f ? QJsonValue(TextoFechaHora(*f)) : QJsonValue(QJsonValue::Null);
    }
    case Tipo::Record: {
        const void *r = v.opcional->valor(v.dato);
        return r ? QJsonValue(RegistroAJson(r, *v.registro)) : QJsonValue(QJsonValue::Null);
    }
    case Tipo::Array: {
        QJsonArray a;
        for (qsizetype i = 0; i < v.arreglo->largo(v.dato); ++i)
            a.append(AJson({Tipo::Record, const_cast<void *>(v.arreglo->elementoC(v.dato, i)), v.registro,
                            v.opcional, nullptr}));
        return a;
    }
    }
    return {};
}

[[noreturn]] void Fallar(const QString &donde, const char *esperado)
{
    throw ErrorJson(QStringLiteral("%1: se esperaba %2").arg(donde, QLatin1StringView(esperado)).toStdString());
}

double LeerNumero(const QJsonValue &j, const QString &donde)
{
    if (j.isDouble())
        return j.toDouble();
    if (j.isString())
        if (const auto x = LeerDoubleSoap(j.toString()))
            return *x;
    Fallar(donde, "un número");
}

void DeJson(const QJsonValue &j, const RefValor &v, const QString &donde)
{
    switch (v.tipo) {
    case Tipo::Integer: {
        const double x = LeerNumero(j, donde);
        if (x != std::trunc(x) || x < INT_MIN || x > INT_MAX)
            Fallar(donde, "un entero");
        v.como<int>() = int(x);
        return;
    }
    case Tipo::Boolean:
        if (!j.isBool())
            Fallar(donde, "true o false");
        v.como<bool>() = j.toBool();
        return;
    case Tipo::String:
        if (!j.isString())
            Fallar(donde, "un texto");
        v.como<QString>() = j.toString();
        return;
    case Tipo::Double:
    case Tipo::Date:
    case Tipo::Time:
        v.como<double>() = LeerNumero(j, donde);
        return;
    case Tipo::DateTime:
        if (const auto f = j.isString() ? LeerFechaHoraSoap(j.toString()) : std::nullopt)
            v.como<double>() = DiasDeFechaHora(*f);
        else
            v.como<double>() = LeerNumero(j, donde);
        return;
    case Tipo::Bytes:
        if (!j.isString())
            Fallar(donde, "un texto en Base64");
        v.como<QByteArray>() = QByteArray::fromBase64(j.toString().toLatin1());
        return;
    case Tipo::XSDateTime: {
        auto &f = v.como<std::optional<QDateTime>>();
        if (j.isNull()) {
            f.reset();
            return;
        }
        f = j.isString() ? LeerFechaHoraSoap(j.toString()) : std::nullopt;
        if (!f)
            Fallar(donde, "una fecha y hora ISO");
        return;
    }
    case Tipo::Record:
        if (j.isNull())
            return v.opcional->quitar(v.dato);
        if (!j.isObject())
            Fallar(donde, "un objeto");
        JsonARegistro(j.toObject(), v.opcional->crear(v.dato), *v.registro);
        return;
    case Tipo::Array: {
        if (!j.isArray())
            Fallar(donde, "un arreglo");
        const QJsonArray a = j.toArray();
        v.arreglo->redimensionar(v.dato, a.size());
        for (qsizetype i = 0; i < a.size(); ++i)
            DeJson(a[i], {Tipo::Record, v.arreglo->elemento(v.dato, i), v.registro, v.opcional, nullptr},
                   QStringLiteral("%1[%2]").arg(donde).arg(i));
        return;
    }
    }
}
} // namespace

QJsonValue ValorAJson(const Valor &valor) { return AJson(RefValor::de(valor)); }

void JsonAValor(const QJsonValue &json, const Valor &destino)
{
    DeJson(json, RefValor::de(destino), QStringLiteral("valor"));
}

QJsonObject RegistroAJson(const void *registro, const TypeInfo &tipo)
{
    QJsonObject o;
    for (const FieldInfo &f : tipo.campos)
        o.insert(QLatin1StringView(f.nombre), AJson(RefValor::de(f, registro)));
    return o;
}

void JsonARegistro(const QJsonObject &json, void *registro, const TypeInfo &tipo)
{
    for (auto it = json.begin(); it != json.end(); ++it) {
        const FieldInfo *f = tipo.campo(it.key());
        if (!f)
            throw ErrorJson(QStringLiteral("%1 no tiene el campo %2")
                                .arg(QLatin1StringView(tipo.nombreXml), it.key())
                                .toStdString());
        DeJson(it.value(), RefValor::de(*f, registro),
               QLatin1StringView(tipo.nombreXml) + u'.' + it.key());
    }
}
