#pragma once
#include "service/Remotable.h"

/// A general-purpose summary record: read as a table (ListaMesas) or as a comanda (ListaComandas).
struct TInfo1 {
    int DB = 0;
    int NuAlmacen = 0;
    QString Nombre;
    QString Sucursal;
    double Total = 0;
    double Contado = 0;
    double Credito = 0;
    double Cant = 0;
    std::optional<QDateTime> Fecha; // TXSDateTime
    std::optional<QDateTime> Hora;  // TXSDateTime
    QString Nota;
    static const TypeInfo &tipo();
};

/// Note: here the array comes before Count.
struct TListaInfo1 {
    QList<std::optional<TInfo1>> ArrayInfo1;
    int Count = 0;
    void SetLengthList(int Value) { ::SetLengthList(ArrayInfo1, Value); }
    static const TypeInfo &tipo();
};
