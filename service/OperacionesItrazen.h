#pragma once
#include "service/Valor.h"
#include <memory>
#include <span>

/// How a parameter travels: const is sent, var is sent and read back, out is read back only.
enum class ModoParametro { Const, Var, Out };

/// A value of any wire type that owns its storage, with the Valor that refers to it;
/// what a caller that knows the types only at run time (itrazen-call) passes.
class ValorPropio {
public:
    template <class T> static ValorPropio de()
    {
        auto p = std::make_shared<T>();
        ValorPropio v;
        v.m_valor = Valor::de(*p);
        v.m_dato = std::move(p);
        return v;
    }
    [[nodiscard]] const Valor &valor() const { return m_valor; }

private:
    std::shared_ptr<void> m_dato;
    Valor m_valor;
};

/// One parameter (or the result) of an operation as the service declares it.
struct ParametroItrazen {
    const char *nombre;
    ModoParametro modo;
    const char *tipo; // declared type, for people: "string", "Integer", "TPedido"...
    ValorPropio (*nuevo)(); // a fresh value of its type, at its initial value
};

/// One of the twelve operations the client calls: wire name, parameters in
/// declaration order, and the function result (none for a procedure).
struct OperacionItrazen {
    const char *nombre;
    std::span<const ParametroItrazen> parametros;
    const ParametroItrazen *resultado;
};

/// The twelve operations, in the order a signed-in user meets them.
[[nodiscard]] std::span<const OperacionItrazen> OperacionesItrazen();
/// The operation of that exact name, or nullptr.
[[nodiscard]] const OperacionItrazen *OperacionItrazenDe(QStringView nombre);
