#pragma once
#include "service/Remotable.h"
#include <QList>
#include <optional>

/// How an argument travels: sent only, sent and returned, or returned only.
enum class Modo { Const, Var, Out };

/// One argument or result of an operation: wire name, wire type and, for records, the type.
struct Parametro {
    const char *nombre;
    Tipo tipo;
    const TypeInfo *registro = nullptr;
    Modo modo = Modo::Const;
};

/// The declaration of one service operation as the description publishes it.
struct Firma {
    const char *operacion;
    QList<Parametro> parametros;
    std::optional<Parametro> resultado; // named "return"; none for procedures
};

/// The twelve operations the sim serves, in declaration order.
[[nodiscard]] const QList<Firma> &Firmas();
