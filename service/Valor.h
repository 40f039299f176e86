#pragma once
#include "service/Remotable.h"

/// A typed reference to one value that travels on the wire: an argument, a result or
/// a field. It does not own the value.
struct Valor {
    Tipo tipo = Tipo::String;
    void *dato = nullptr; // int*, double*, bool*, QString*, QByteArray*,
                          // std::optional<QDateTime>* (XSDateTime), std::optional<R>* (Record)
    const TypeInfo *registro = nullptr;     // Record: the record's type
    const OpcionalOps *opcional = nullptr;  // Record: operations on its std::optional

    static Valor de(int &v) { return {Tipo::Integer, &v}; }
    static Valor de(double &v, Tipo t = Tipo::Double) { return {t, &v}; }
    static Valor de(bool &v) { return {Tipo::Boolean, &v}; }
    static Valor de(QString &v) { return {Tipo::String, &v}; }
    static Valor de(QByteArray &v) { return {Tipo::Bytes, &v}; }
    static Valor de(std::optional<QDateTime> &v) { return {Tipo::XSDateTime, &v}; }
    template <class R> static Valor de(std::optional<R> &v)
    {
        return {Tipo::Record, &v, &R::tipo(), remotable::opsOpcional<R>()};
    }
};

/// A named argument or result part of one message, in order.
struct Parte {
    QString nombre;
    Valor valor;
};
