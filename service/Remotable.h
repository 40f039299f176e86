#pragma once
// Reflection of the service's record and list types: every type publishes an
// ordered table of its fields (name, wire type, nested type), which is all the one
// SOAP encoder and decoder need. Records are plain values; a record field that may
// be absent is a std::optional, an array is a QList of std::optional (empty slots).
#include "service/ReservaBytes.h"
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>
#include <span>
#include <type_traits>

/// Wire types of a field.
enum class Tipo {
    Integer,    // int, xsd:int
    Double,     // double, xsd:double
    Boolean,    // bool, xsd:boolean
    String,     // QString, xsd:string
    DateTime,   // double day count, written as xsd:dateTime
    Date,       // double day count, written as a Double
    Time,       // double day count, written as a Double
    XSDateTime, // std::optional<QDateTime>, xsd:dateTime or absent
    Bytes,      // QByteArray, xsd:base64Binary
    Record,     // std::optional<R>
    Array,      // QList<std::optional<R>>
};

struct TypeInfo;

/// Operations on a std::optional<R> whose R is known only through its TypeInfo.
struct OpcionalOps {
    bool (*tiene)(const void *opt);
    void *(*crear)(void *opt);              // emplaces a fresh R and returns it
    void (*quitar)(void *opt);
    const void *(*valor)(const void *opt);  // the R, or nullptr
};

/// Operations on a QList<std::optional<R>>.
struct ArregloOps {
    qsizetype (*largo)(const void *lista);
    void (*redimensionar)(void *lista, qsizetype n);
    void *(*elemento)(void *lista, qsizetype i);             // the std::optional<R> at i
    const void *(*elementoC)(const void *lista, qsizetype i);
};

/// One serialized field: its wire name, type and, for records and arrays, the nested type.
struct FieldInfo {
    const char *nombre;
    Tipo tipo;
    void *(*dir)(void *obj);
    const TypeInfo *(*anidado)() = nullptr; // record or array element type
    const OpcionalOps *opcional = nullptr;  // Record fields; Array fields: each entry
    const ArregloOps *arreglo = nullptr;    // Array fields

    template <class T> T &de(void *obj) const { return *static_cast<T *>(dir(obj)); }
    template <class T> const T &de(const void *obj) const
    {
        return *static_cast<const T *>(dir(const_cast<void *>(obj)));
    }
};

/// A record or list type: XML type name in "urn:trazenIntf" and its fields in order.
struct TypeInfo {
    const char *nombreXml;
    std::span<const FieldInfo> campos;
    [[nodiscard]] const FieldInfo *campo(QStringView nombre) const
    {
        for (const FieldInfo &f : campos)
            if (nombre == QLatin1StringView(f.nombre))
                return &f;
        return nullptr;
    }
};

namespace remotable {
template <class> struct Miembro;
template <class C, class M> struct Miembro<M C::*> {
    using Clase = C;
    using Tipo = M;
};

template <class> struct EsOpcional : std::false_type {};
template <class R> struct EsOpcional<std::optional<R>> : std::true_type {
    using Registro = R;
};
template <class> struct EsArreglo : std::false_type {};
template <class R> struct EsArreglo<QList<std::optional<R>>> : std::true_type {
    using Registro = R;
};

template <class R> const OpcionalOps *opsOpcional()
{
    static const OpcionalOps ops{
        [](const void *o) { return static_cast<const std::optional<R> *>(o)->has_value(); },
        [](void *o) -> void * { return &static_cast<std::optional<R> *>(o)->emplace(); },
        [](void *o) { static_cast<std::optional<R> *>(o)->reset(); },
        [](const void *o) -> const void * {
            const auto *p = static_cast<const std::optional<R> *>(o);
            return p->has_value() ? &**p : nullptr;
        },
    };
    return &ops;
}

template <class R> const ArregloOps *opsArreglo()
{
    using L = QList<std::optional<R>>;
    static const ArregloOps ops{
        [](const void *l) { return static_cast<const L *>(l)->size(); },
        [](void *l, qsizetype n) {
            // A long list is written from end to end at once: its pages come in bulk.
            L &lista = *static_cast<L *>(l);
            if (n > lista.size() && lista.isEmpty()) {
                lista.reserve(n);
                ReservaBytes::prepararPaginas(lista.data(), n * qsizetype(sizeof(std::optional<R>)));
            }
            lista.resize(n);
        },
        [](void *l, qsizetype i) -> void * { return &(*static_cast<L *>(l))[i]; },
        [](const void *l, qsizetype i) -> const void * { return &(*static_cast<const L *>(l))[i]; },
    };
    return &ops;
}

template <class M> constexpr Tipo deducir()
{
    if constexpr (std::is_same_v<M, int>)
        return Tipo::Integer;
    else if constexpr (std::is_same_v<M, double>)
        return Tipo::Double;
    else if constexpr (std::is_same_v<M, bool>)
        return Tipo::Boolean;
    else if constexpr (std::is_same_v<M, QString>)
        return Tipo::String;
    else if constexpr (std::is_same_v<M, QByteArray>)
        return Tipo::Bytes;
    else if constexpr (std::is_same_v<M, std::optional<QDateTime>>)
        return Tipo::XSDateTime;
    else if constexpr (EsArreglo<M>::value)
        return Tipo::Array;
    else if constexpr (EsOpcional<M>::value)
        return Tipo::Record;
    else
        static_assert(sizeof(M) == 0, "field type without a wire form");
}

/// The field table entry of member MP; `tipo` overrides the deduced wire type
/// (day counts are doubles written as dates or times).
template <auto MP> FieldInfo campo(const char *nombre, std::optional<Tipo> tipo = std::nullopt)
{
    using C = typename Miembro<decltype(MP)>::Clase;
    using M = typename Miembro<decltype(MP)>::Tipo;
    FieldInfo f{nombre, tipo.value_or(deducir<M>()),
                [](void *o) -> void * { return &(static_cast<C *>(o)->*MP); }};
    if constexpr (EsArreglo<M>::value) {
        using R = typename EsArreglo<M>::Registro;
        f.anidado = [] { return &R::tipo(); };
        f.arreglo = opsArreglo<R>();
        f.opcional = opsOpcional<R>();
    } else if constexpr (EsOpcional<M>::value && !std::is_same_v<M, std::optional<QDateTime>>) {
        using R = typename EsOpcional<M>::Registro;
        f.anidado = [] { return &R::tipo(); };
        f.opcional = opsOpcional<R>();
    }
    return f;
}
} // namespace remotable

/// A field table entry: TZ_CAMPO(Name) or TZ_CAMPO_T(Name, Tipo::Date), inside a
/// type's tipo() where `Self` names the type.
#define TZ_CAMPO(f) ::remotable::campo<&Self::f>(#f)
#define TZ_CAMPO_T(f, t) ::remotable::campo<&Self::f>(#f, t)

/// A list of records, as the lists of the service are: SetLengthList changes only the
/// array's length; new slots are empty and Count is the caller's to set.
template <class R> void SetLengthList(QList<std::optional<R>> &arreglo, int Value)
{
    arreglo.resize(Value < 0 ? 0 : Value);
}

/// Entries 0 to Count - 1 that are present, whatever the array's own length: what every
/// screen walks. Count beyond the array, or empty slots, are skipped.
template <class R, class F> void ParaCada(const QList<std::optional<R>> &arreglo, int Count, F &&f)
{
    const qsizetype n = std::min<qsizetype>(Count, arreglo.size());
    for (qsizetype i = 0; i < n; ++i)
        if (arreglo[i])
            f(*arreglo[i], i);
}
