#pragma once
#include "service/Valor.h"

/// A typed reference to one value, whether an argument (Valor) or a field of a record
/// (FieldInfo): what the encoder, the decoder and the JSON conversion walk.
struct RefValor {
    Tipo tipo = Tipo::String;
    void *dato = nullptr;
    const TypeInfo *registro = nullptr;    // Record, Array: the record type
    const OpcionalOps *opcional = nullptr; // Record
    const ArregloOps *arreglo = nullptr;   // Array

    static RefValor de(const Valor &v) { return {v.tipo, v.dato, v.registro, v.opcional, nullptr}; }
    static RefValor de(const FieldInfo &f, const void *obj)
    {
        return {f.tipo, f.dir(const_cast<void *>(obj)), f.anidado ? f.anidado() : nullptr, f.opcional, f.arreglo};
    }
    template <class T> [[nodiscard]] T &como() const { return *static_cast<T *>(dato); }
};

/// A Valor for an argument that is only read (a const parameter): the encoder never
/// writes through it.
template <class T> [[nodiscard]] Valor Entrada(const T &v) { return Valor::de(const_cast<T &>(v)); }
