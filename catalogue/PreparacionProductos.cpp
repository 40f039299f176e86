#include "catalogue/PreparacionProductos.h"
#include "app/TileList.h"
#include "catalogue/BusquedaLocal.h"
#include "catalogue/FotosCatalogo.h"
#include "catalogue/ProductosGuardados.h"
#include "catalogue/TextosProducto.h"
#include "storage/ListaProductosGuardados.h"

Tile TileProducto(const TProducto &p, int posicion)
{
    Tile t;
    t.tag = posicion; // the product's position in ListaProductos
    t.detailNotes = TextoPrecio(p.Precio);
    t.caption = CaptionProducto(p.Descripcion, t.detailNotes);
    t.detailCaption = p.Descripcion;
    return t;
}

ProductosListos PrepararProductos(const TListaProducto &lista, const OpcionesPreparar &o)
{
    ProductosListos r;
    const qsizetype n = std::min<qsizetype>(lista.Count, lista.ArrayProducto.size());
    r.tiles.reserve(n);
    r.claves.reserve(n);
    r.ids.reserve(n);
    AlmacenImagenes &almacen = AlmacenImagenes::instancia();
    ParaCada(lista.ArrayProducto, lista.Count, [&](const TProducto &p, qsizetype pos) {
        Tile t = TileProducto(p, int(pos));
        if (o.fotos && !o.restaurada && !p.Foto.isEmpty()) {
            TileList::ponerImagen(t, almacen.guardar(p.Foto));
            FotoPorEscribir f;
            f.bytes = p.Foto;
            f.nombre = FotosCatalogo::Producto(p.ID);
            f.ruta = o.carpeta + u'/' + f.nombre;
            const int i = int(r.tiles.size());
            if (o.primerRegistro >= 0 && i < o.registros) {
                f.registro = o.primerRegistro + i;
                f.id = p.ID;
                f.filtro = o.filtro;
            }
            r.fotos.append(std::move(f));
        } else if (o.fotos && o.restaurada && FotosCatalogo::EsNombreLocal(p.FotoStr)) {
            TileList::ponerImagen(t, almacen.guardarArchivo(o.carpeta + u'/' + p.FotoStr));
        }
        r.tiles.append(std::move(t));
        r.claves.append(ClaveBusqueda(p));
        r.ids.insert(IdentidadProducto(p));
    });
    return r;
}

int LlenarGuardados(ListaProductosGuardados &guardados, const TListaProducto &lista, const QString &filtro)
{
    const int libres = guardados.libres();
    int k = 0;
    ParaCada(lista.ArrayProducto, lista.Count, [&](const TProducto &p, qsizetype) {
        if (k < libres)
            Llenar(guardados.libre(k++), RegistroProducto(p, filtro, {}));
    });
    return k;
}
