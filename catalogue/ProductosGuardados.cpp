#include "catalogue/ProductosGuardados.h"
#include "storage/ListaProductosGuardados.h"

TListaProducto RestaurarProductos(const ListaProductosGuardados &guardados, const QString &filtro)
{
    return RestaurarProductos(guardados, guardados.buscar(filtro));
}

TListaProducto RestaurarProductos(const ListaProductosGuardados &guardados, const QList<int> &posiciones)
{
    TListaProducto lista;
    lista.SetLengthList(int(posiciones.size()));
    lista.Count = int(posiciones.size());
    for (qsizetype i = 0; i < posiciones.size(); ++i)
        lista.ArrayProducto[i] = ProductoGuardado(guardados.registro(posiciones[i]));
    return lista;
}

TProducto ProductoGuardado(const TProductoGuardado &r)
{
    const DatosProductoGuardado d = Leer(r);
    TProducto p;
    p.ID = d.ID;
    p.Descripcion = d.Descripcion;
    p.Precio = d.Precio;
    p.Fabricante = d.Fabricante;
    p.Modelo = d.Modelo;
    p.Detalle = d.Detalle;
    p.NuMoneda = d.NuMoneda;
    p.TasaIVA = d.TasaIVA;
    p.TasaIEPS = d.TasaIEPS;
    for (int k = 1; k <= 14; ++k)
        p.Mod(k) = d.Mod[k - 1];
    p.FotoStr = d.Foto;
    return p;
}

DatosProductoGuardado RegistroProducto(const TProducto &p, const QString &filtro, const QString &foto)
{
    DatosProductoGuardado d;
    d.ID = p.ID;
    d.Descripcion = p.Descripcion;
    for (int k = 1; k <= 14; ++k)
        d.Mod[k - 1] = p.Mod(k);
    d.Foto = foto;
    d.Fabricante = p.Fabricante;
    d.Modelo = p.Modelo;
    d.Detalle = p.Detalle;
    d.Filtro = filtro;
    d.Precio = p.Precio;
    d.NuMoneda = p.NuMoneda;
    d.TasaIVA = p.TasaIVA;
    d.TasaIEPS = p.TasaIEPS;
    return d;
}
