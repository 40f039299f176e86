// The instant search of the catalogue screen: as the waiter types in the search box, the
// products already known (the held list and the saved list) whose description, ID or
// barcode hold every word typed show in ListaPro, accents and case aside; nothing is
// asked of the service. The search button still asks it, and its answer takes the place
// of what the typing found.
#include "catalogue/BusquedaLocal.h"
#include "catalogue/Catalogo.h"
#include "catalogue/Desechar.h"
#include "catalogue/FiltroProductos.h"
#include "util/Archivos.h"

void Catalogo::TextoPChange()
{
    // While a task runs the lists are its own; the modifier screen keeps its dish.
    if (f.tareas.ocupado() || c.ListaMod.visible() || !c.ListaPro.visible())
        return;
    m_guardados.ponerAlDia();
    const QString texto = TextoInstantaneo(c.TextoP.text());
    if (texto.isEmpty())
        terminarBusqueda();
    else
        buscarConocidos(PalabrasBusqueda(texto));
}

bool Catalogo::mostradosVigentes() const
{
    return m_mostrados.filtro == e.UltimoFiltro && m_mostrados.count == e.ListaProductos.Count
           && m_mostrados.datos == e.ListaProductos.ArrayProducto.constData();
}

void Catalogo::buscarConocidos(const QStringList &palabras)
{
    auto &productos = e.ListaProductos.ArrayProducto;
    if (!m_sesion.activa) {
        // The held list changed without being shown here (the application reset): its
        // tiles are made again, once.
        if (!mostradosVigentes()) {
            OpcionesPreparar o;
            o.fotos = c.SwitchP.checked();
            o.restaurada = e.ListaProductosRestaurada;
            o.carpeta = CarpetaDocumentos();
            Mostrados m{PrepararProductos(e.ListaProductos, o), e.UltimoFiltro, e.ListaProductos.Count,
                        productos.constData()};
            Desechar(std::exchange(m_mostrados, std::move(m)));
        }
        m_sesion.activa = true;
        m_sesion.base = productos.size();
        m_sesion.count = e.ListaProductos.Count;
        m_sesion.antes = c.ListaPro.tiles();
        m_sesion.pagina = c.ListaPro.page();
        m_sesion.seleccion = c.ListaPro.selectedIndex();
    }
    m_sesion.palabras = palabras;
    const ProductosListos &held = m_mostrados.listos;
    // The positions shown name the held tiles first, then the saved products added.
    if (!c.ListaPro.tiles().isSharedWith(held.tiles))
        Desechar(c.ListaPro.replaceAll(held.tiles));
    QList<int> vista = Coincidencias(held.claves, palabras);

    const qsizetype n = held.tiles.size();
    const auto &entradas = m_guardados.entradas();
    for (const int k : Coincidencias(m_guardados.claves(), palabras)) {
        const IndiceGuardados::Entrada &g = entradas[k];
        if (held.ids.contains(g.identidad))
            continue; // the held list has it already
        int x = m_sesion.extraPorId.value(g.identidad, -1);
        if (x < 0) {
            // Added to ListaProductos for the order to find it at its tile's Tag.
            x = int(m_sesion.extra.size());
            Tile t = g.tile;
            t.tag = int(productos.size());
            productos.append(g.producto);
            e.ListaProductos.Count = std::max(e.ListaProductos.Count, int(productos.size()));
            m_sesion.extra.append(std::move(t));
            m_sesion.extraPorId.insert(g.identidad, x);
        }
        vista.append(int(n + x));
    }
    c.ListaPro.showOnly(std::move(vista), m_sesion.extra);
    // As a list of one product: ready to add without a tap.
    if (c.ListaPro.count() == 1)
        c.ListaPro.setSelectedIndex(0);
}

void Catalogo::terminarBusqueda()
{
    if (!m_sesion.activa)
        return;
    auto &productos = e.ListaProductos.ArrayProducto;
    if (productos.size() > m_sesion.base) {
        productos.resize(m_sesion.base);
        e.ListaProductos.Count = m_sesion.count;
    }
    // The list still shows the search (an application reset clears it).
    if (c.ListaPro.filtered()) {
        Desechar(c.ListaPro.replaceAll(m_sesion.antes));
        c.ListaPro.setPage(m_sesion.pagina);
        c.ListaPro.setSelectedIndex(m_sesion.seleccion);
    }
    if (m_mostrados.count == e.ListaProductos.Count && m_mostrados.filtro == e.UltimoFiltro)
        m_mostrados.datos = productos.constData();
    Desechar(std::exchange(m_sesion, {}));
}
