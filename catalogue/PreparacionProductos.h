#pragma once
#include "app/Tile.h"
#include "catalogue/EscritorFotos.h"
#include "service/TProducto.h"
#include <QSet>

class ListaProductosGuardados;

// The per-product work of showing a list, done on the products task's thread so that
// the screen's thread only puts ready values in place.

/// Everything the showing step needs of a product list.
struct ProductosListos {
    QList<Tile> tiles;            // one per product present, in order
    QList<QString> claves;        // the search key of each tile (ClaveBusqueda)
    QSet<QString> ids;            // who they are (IdentidadProducto)
    QList<FotoPorEscribir> fotos; // pictures to write to their files
};

struct OpcionesPreparar {
    bool fotos = false;       // product pictures on
    bool restaurada = false;  // restored from the saved list: pictures come from their files
    QString carpeta;          // the documents folder
    int primerRegistro = -1;  // the saved record of the first tile; -1 none was saved
    int registros = 0;        // how many tiles, from the first, have a saved record
    QString filtro;           // the filter those records hold
};

/// A product's tile without its picture: Tag = its position, caption = capitalised
/// description + carriage return + price, detail caption = description, detail notes = price.
[[nodiscard]] Tile TileProducto(const TProducto &p, int posicion);

/// The tiles of a list, their search keys and pictures. With pictures on, a product of a
/// service answer with picture bytes shows those bytes (held, not copied) and is queued
/// for its file ID + ".jpg"; a restored product shows the file its FotoStr names, read
/// when drawn, when that name stays inside the documents folder.
[[nodiscard]] ProductosListos PrepararProductos(const TListaProducto &lista, const OpcionesPreparar &o);

/// Fills the free saved records with the list's products and `filtro`, in order, as many
/// as fit, each without a picture-file name (named once its file is written). Answers
/// how many it filled; sumar counts them.
int LlenarGuardados(ListaProductosGuardados &guardados, const TListaProducto &lista, const QString &filtro);
