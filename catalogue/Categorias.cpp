// The categories and subcategories of the catalogue screen.
#include "catalogue/Catalogo.h"
#include "app/TareaServicio.h"
#include "catalogue/FiltroProductos.h"
#include "catalogue/FotosCatalogo.h"
#include "util/Archivos.h"

namespace {
/// The category drawn at tile position `posicion`: tiles are made for the present
/// entries of the list, in order.
const TCategoria *categoriaEnPosicion(const TListaCategoria &lista, int posicion)
{
    const TCategoria *r = nullptr;
    int n = 0;
    ParaCada(lista.ArrayCategoria, lista.Count, [&](const TCategoria &cat, qsizetype) {
        if (n++ == posicion)
            r = &cat;
    });
    return r;
}
} // namespace

void Catalogo::CargarCategorias()
{
    c.ListaCat.clear();
    mostrarLista(Vista::Categorias);
    if (f.tareas.ocupado())
        return;

    const bool foto = c.SwitchC.checked();
    const bool cargadas = e.CategoriasCargadas;
    const Actividad actividad{QStringLiteral("Cargando categorias"), QStringLiteral("Recuperando Categorias"),
                              [](const QString &) { return QStringLiteral("No se pudo obtener la lista"); }};
    IniciarTarea(
        f, actividad,
        [this, foto, cargadas](Llamada &ll) {
            if (cargadas)
                return;
            if (ll.demo) {
                ll.ui([&] { e.CategoriasCargadas = true; });
                return;
            }
            // Fetched once per sign-in; a failure leaves the flag down so the next visit asks again.
            auto lista = ll.itrazen()->ObtenerCategoriasPOS(ll.user, ll.pass, foto);
            ll.ui([&] {
                e.ListaCategorias = lista.value_or(TListaCategoria{});
                e.CategoriasCargadas = true;
            });
        },
        [this] { mostrarCategorias(); });
}

void Catalogo::mostrarCategorias()
{
    const bool fotos = c.SwitchC.checked();
    c.ListaCat.beginUpdate();
    ParaCada(e.ListaCategorias.ArrayCategoria, e.ListaCategorias.Count, [&](const TCategoria &cat, qsizetype) {
        Tile t;
        t.tag = cat.NuCategoria;
        t.caption = cat.Descripcion;
        const int i = c.ListaCat.add(t);
        if (fotos && !cat.Foto.isEmpty())
            FotosCatalogo::GuardarYMostrar(c.ListaCat, i, cat.Foto, FotosCatalogo::Categoria(cat.NuCategoria));
    });
    marcarSegmento(c.Btn1);
    c.ListaCat.endUpdate();
    f.Validar();
}

void Catalogo::ListaCatTileClick(int indice)
{
    if (indice < 0 || indice >= c.ListaCat.count())
        return;
    e.NuCategoria = c.ListaCat.tile(indice).tag;
    const TCategoria *cat = categoriaEnPosicion(e.ListaCategorias, indice);
    const bool conSub = cat && cat->ListaSubCategoria && cat->ListaSubCategoria->Count != 0;
    if (conSub && !e.ModoDemo) {
        CargarSubCategorias(e.NuCategoria);
        return;
    }
    c.ListaSubCat.clear();
    CargarProductos(int(TipoFiltro::Categoria), {});
}

void Catalogo::CargarSubCategorias(int ID)
{
    mostrarLista(Vista::SubCategorias);
    const bool fotos = c.SwitchC.checked();
    c.ListaSubCat.beginUpdate();
    try {
        c.ListaSubCat.clear();
        // Every category with that number, not only the first.
        ParaCada(e.ListaCategorias.ArrayCategoria, e.ListaCategorias.Count, [&](const TCategoria &cat, qsizetype) {
            if (cat.NuCategoria != ID || !cat.ListaSubCategoria)
                return;
            const TListaSubCategoria &subs = *cat.ListaSubCategoria;
            ParaCada(subs.ArraySubCategoria, subs.Count, [&](const TSubCategoria &sub, qsizetype) {
                Tile t;
                t.tag = sub.NuSubCategoria;
                t.caption = sub.Descripcion;
                const int i = c.ListaSubCat.add(t);
                if (fotos && !sub.Foto.isEmpty()
                    && !FotosCatalogo::GuardarYMostrar(c.ListaSubCat, i, sub.Foto, FotosCatalogo::SubCategoria()))
                    throw ErrorArchivo("la imagen de la subcategoría no se pudo guardar");
            });
        });
    } catch (const std::exception &) {
        f.MostrarMensaje(QStringLiteral("Error al cargar subcategorias"));
    }
    marcarSegmento(c.Btn2);
    c.ListaSubCat.endUpdate();
    f.Validar();
}

void Catalogo::ListaSubCatTileClick(int indice)
{
    if (indice < 0 || indice >= c.ListaSubCat.count())
        return;
    e.NuSubCategoria = c.ListaSubCat.tile(indice).tag;
    CargarProductos(int(TipoFiltro::SubCategoria), {});
}
