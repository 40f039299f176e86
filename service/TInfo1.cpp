#include "service/TInfo1.h"

const TypeInfo &TInfo1::tipo()
{
    using Self = TInfo1;
    static const FieldInfo c[] = {TZ_CAMPO(DB),      TZ_CAMPO(NuAlmacen), TZ_CAMPO(Nombre), TZ_CAMPO(Sucursal),
                                  TZ_CAMPO(Total),   TZ_CAMPO(Contado),   TZ_CAMPO(Credito), TZ_CAMPO(Cant),
                                  TZ_CAMPO(Fecha),   TZ_CAMPO(Hora),      TZ_CAMPO(Nota)};
    static const TypeInfo t{"TInfo1", c};
    return t;
}

const TypeInfo &TListaInfo1::tipo()
{
    using Self = TListaInfo1;
    static const FieldInfo c[] = {TZ_CAMPO(ArrayInfo1), TZ_CAMPO(Count)};
    static const TypeInfo t{"TListaInfo1", c};
    return t;
}
