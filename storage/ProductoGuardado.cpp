#include "storage/ProductoGuardado.h"

void Llenar(TProductoGuardado &r, const DatosProductoGuardado &d)
{
    CopiarCampo(d.ID, r.ID);
    CopiarCampo(d.Descripcion, r.Descripcion);
    for (int k = 0; k < 14; ++k)
        CopiarCampo(d.Mod[k], r.Mod[k]);
    CopiarCampo(d.Foto, r.Foto);
    CopiarCampo(d.Fabricante, r.Fabricante);
    CopiarCampo(d.Modelo, r.Modelo);
    CopiarCampo(d.Detalle, r.Detalle);
    CopiarCampo(d.Filtro, r.Filtro);
    r.Precio = d.Precio;
    r.NuMoneda = d.NuMoneda;
    r.Relleno = 0;
    r.TasaIVA = d.TasaIVA;
    r.TasaIEPS = d.TasaIEPS;
}

DatosProductoGuardado Leer(const TProductoGuardado &r)
{
    DatosProductoGuardado d;
    d.ID = LeerCampo(r.ID);
    d.Descripcion = LeerCampo(r.Descripcion);
    for (int k = 0; k < 14; ++k)
        d.Mod[k] = LeerCampo(r.Mod[k]);
    d.Foto = LeerCampo(r.Foto);
    d.Fabricante = LeerCampo(r.Fabricante);
    d.Modelo = LeerCampo(r.Modelo);
    d.Detalle = LeerCampo(r.Detalle);
    d.Filtro = LeerCampo(r.Filtro);
    d.Precio = r.Precio;
    d.NuMoneda = r.NuMoneda;
    d.TasaIVA = r.TasaIVA;
    d.TasaIEPS = r.TasaIEPS;
    return d;
}
