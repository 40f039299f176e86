#include "tables/TileMesa.h"
#include "tables/ParteEntera.h"

QString InsigniaMesa(double cant)
{
    // NaN is not above 0: no badge.
    return cant > 0 ? TextoParteEntera(cant) : QString();
}

Tile TileMesa(const TInfo1 &mesa)
{
    Tile t;
    t.tag = mesa.DB;
    t.caption = mesa.Nombre;
    t.notes = mesa.Sucursal;
    t.badge = InsigniaMesa(mesa.Cant);
    return t;
}
