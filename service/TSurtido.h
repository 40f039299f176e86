#pragma once
#include "service/Remotable.h"

/// A dish the kitchen has made ready.
struct TSurtido {
    int NuVenta = 0;
    int NuVenta_Mov = 0;
    QString Cliente;
    QString Mesa;
    QString Producto;
    double Cantidad = 0;
    int NuPrinter = 0;
    static const TypeInfo &tipo();
};

struct TListaSurtido {
    int Count = 0;
    QList<std::optional<TSurtido>> ArraySurtido;
    void SetLengthList(int Value) { ::SetLengthList(ArraySurtido, Value); }
    static const TypeInfo &tipo();
};
