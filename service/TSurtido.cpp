#include "service/TSurtido.h"

const TypeInfo &TSurtido::tipo()
{
    using Self = TSurtido;
    static const FieldInfo c[] = {TZ_CAMPO(NuVenta),  TZ_CAMPO(NuVenta_Mov), TZ_CAMPO(Cliente), TZ_CAMPO(Mesa),
                                  TZ_CAMPO(Producto), TZ_CAMPO(Cantidad),    TZ_CAMPO(NuPrinter)};
    static const TypeInfo t{"TSurtido", c};
    return t;
}

const TypeInfo &TListaSurtido::tipo()
{
    using Self = TListaSurtido;
    static const FieldInfo c[] = {TZ_CAMPO(Count), TZ_CAMPO(ArraySurtido)};
    static const TypeInfo t{"TListaSurtido", c};
    return t;
}
