#include "service/TCategoria.h"

const TypeInfo &TSubCategoria::tipo()
{
    using Self = TSubCategoria;
    static const FieldInfo c[] = {TZ_CAMPO(NuSubCategoria), TZ_CAMPO(NuCategoria), TZ_CAMPO(Descripcion),
                                  TZ_CAMPO(Foto)};
    static const TypeInfo t{"TSubCategoria", c};
    return t;
}

const TypeInfo &TListaSubCategoria::tipo()
{
    using Self = TListaSubCategoria;
    static const FieldInfo c[] = {TZ_CAMPO(Count), TZ_CAMPO(ArraySubCategoria)};
    static const TypeInfo t{"TListaSubCategoria", c};
    return t;
}

const TypeInfo &TCategoria::tipo()
{
    using Self = TCategoria;
    static const FieldInfo c[] = {TZ_CAMPO(NuCategoria), TZ_CAMPO(Descripcion), TZ_CAMPO(Foto),
                                  TZ_CAMPO(ListaSubCategoria)};
    static const TypeInfo t{"TCategoria", c};
    return t;
}

const TypeInfo &TListaCategoria::tipo()
{
    using Self = TListaCategoria;
    static const FieldInfo c[] = {TZ_CAMPO(Count), TZ_CAMPO(ArrayCategoria)};
    static const TypeInfo t{"TListaCategoria", c};
    return t;
}
