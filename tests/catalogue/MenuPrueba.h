#pragma once
// Sample menu data for the catalogue and order tests, and the steps that put it on screen.
#include "FormaPrueba.h"
#include "app/AlmacenImagenes.h"
#include "catalogue/Catalogo.h"
#include <QTest>

namespace menu {

inline TProducto producto(const QString &id, const QString &descripcion, double precio,
                          const QStringList &mods = {}, const QByteArray &foto = {})
{
    TProducto p;
    p.ID = id;
    p.Descripcion = descripcion;
    p.Precio = precio;
    p.NuMoneda = 1;
    for (int k = 0; k < mods.size(); ++k)
        p.Mod(k + 1) = mods[k];
    p.Foto = foto;
    return p;
}

inline TListaProducto productos(const QList<TProducto> &ps)
{
    TListaProducto l;
    l.SetLengthList(int(ps.size()));
    l.Count = int(ps.size());
    for (qsizetype i = 0; i < ps.size(); ++i)
        l.ArrayProducto[i] = ps[i];
    return l;
}

inline TSubCategoria subcategoria(int n, const QString &descripcion, const QByteArray &foto = {})
{
    TSubCategoria s;
    s.NuSubCategoria = n;
    s.Descripcion = descripcion;
    s.Foto = foto;
    return s;
}

/// A category; `subs` empty gives a subcategory list with Count 0.
inline TCategoria categoria(int n, const QString &descripcion, const QByteArray &foto = {},
                            const QList<TSubCategoria> &subs = {})
{
    TCategoria c;
    c.NuCategoria = n;
    c.Descripcion = descripcion;
    c.Foto = foto;
    TListaSubCategoria &l = c.ListaSubCategoria.emplace();
    l.SetLengthList(int(subs.size()));
    l.Count = int(subs.size());
    for (qsizetype i = 0; i < subs.size(); ++i) {
        l.ArraySubCategoria[i] = subs[i];
        l.ArraySubCategoria[i]->NuCategoria = n;
    }
    return c;
}

inline TListaCategoria categorias(const QList<TCategoria> &cs)
{
    TListaCategoria l;
    l.SetLengthList(int(cs.size()));
    l.Count = int(cs.size());
    for (qsizetype i = 0; i < cs.size(); ++i)
        l.ArrayCategoria[i] = cs[i];
    return l;
}

/// `n` products with IDs from `primerId`, named after a few dishes in turn and numbered
/// ("Carne tampiqueña 7", "Café de olla 8", ...), each with a small picture of its own.
inline TListaProducto muchos(int n, int primerId = 1000)
{
    static const QStringList platos{"Carne tampiqueña", "Café de olla", "Sopa de lima", "Pozole rojo",
                                    "Enchiladas suizas", "Agua de jamaica", "Flan napolitano", "Tacos al pastor"};
    QList<TProducto> ps;
    ps.reserve(n);
    for (int i = 0; i < n; ++i)
        ps << producto(QString::number(primerId + i), platos[i % platos.size()] + u' ' + QString::number(i + 1),
                       10 + i, {}, "jpg-" + QByteArray::number(primerId + i));
    return productos(ps);
}

/// The fake server answers every product request with `lista`.
inline void responderProductos(FormaPrueba &p, const TListaProducto &lista)
{
    p.servicio->respuestas.ListaProductoConFoto = [lista](const QString &, bool) {
        return std::optional<TListaProducto>(lista);
    };
}

/// Waits for a products task and for the pictures it queued: the tiles show first, and the
/// files (with the saved records that name them) follow on the writer's thread.
inline bool esperarProductos(FormaPrueba &p)
{
    if (!p.esperarTarea())
        return false;
    p.f.catalogo().terminarFotos();
    return true;
}

/// Signs in to the fake server and shows `lista` as the product list of a text search.
inline bool mostrarProductos(FormaPrueba &p, const TListaProducto &lista, const QString &busqueda = QStringLiteral("x"))
{
    if (!p.f.estado.IsLogged && !p.iniciarSesion())
        return false;
    responderProductos(p, lista);
    p.f.catalogo().CargarProductos(3, busqueda);
    return esperarProductos(p);
}

/// The index of the ListaPro tile whose caption starts with `texto` (capitalised description), or -1.
inline int tileProducto(FormaPrueba &p, const QString &texto)
{
    const TileList &l = p.f.controles.ListaPro;
    for (int i = 0; i < l.count(); ++i)
        if (l.tile(i).caption.startsWith(texto))
            return i;
    return -1;
}

/// The picture bytes a tile shows (empty for none).
inline QByteArray imagen(const Tile &t)
{
    return t.picture.startsWith(QStringLiteral("image://tz/")) ? AlmacenImagenes::instancia().leer(t.picture.mid(11))
                                                               : QByteArray();
}

/// Where the product requests sent so far asked for.
inline QStringList filtrosPedidos(FormaPrueba &p)
{
    QStringList r;
    for (const auto &ll : p.servicio->llamadas(QStringLiteral("ListaProductoConFoto")))
        for (const QString &a : ll.argumentos)
            if (a.startsWith(QStringLiteral("Where=")))
                r << a.mid(6);
    return r;
}

} // namespace menu
