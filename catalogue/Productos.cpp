// The products of the catalogue screen: loading by filter, the saved-list cache and the tiles.
//
// The per-product work (captions, prices, search keys, saved records, restores) is done on
// the task's thread, and the lists it replaces are freed there: the screen's thread only
// puts the ready tiles in place. The pictures are written to their files afterwards, on the
// writer's thread; the tiles show the bytes already held meanwhile, and a saved record
// names its picture once the file is there.
#include "catalogue/Catalogo.h"
#include "app/TareaServicio.h"
#include "catalogue/Desechar.h"
#include "catalogue/FiltroProductos.h"
#include "catalogue/ProductosGuardados.h"
#include "util/Archivos.h"

/// What the products task carries between its thread and the screen.
struct Catalogo::TareaProductos {
    QString W;            // the filter
    bool pedir = false;   // not held nor saved: ask the service (or, in demo mode, take it as answered)
    bool guardar = false; // append what is shown to the saved list
    QList<int> restaurar; // the saved records that answer W, restored on the task's thread
    bool foto = false;
    QString carpeta;

    // Made on the task's thread for the showing step.
    ProductosListos listos;
    int primerRegistro = -1; // the saved records filled: from this one,
    int registros = 0;       // this many
};

namespace {
/// The saved list's filter field holds 255 code units: a longer filter could be saved
/// but never found again.
constexpr qsizetype LargoMaximoFiltro = 255;
} // namespace

void Catalogo::CargarProductos(int Tipo, const QString &Filtro)
{
    terminarBusqueda();
    auto t = std::make_shared<TareaProductos>();
    t->W = FiltroProductos(Tipo, Filtro, e.NuCategoria, e.NuSubCategoria);
    Desechar(c.ListaPro.replaceAll({}));
    mostrarLista(Vista::Productos);

    t->guardar = true;
    if (t->W == e.UltimoFiltro) {
        t->guardar = false; // the list on screen already answers it
    } else {
        const QList<int> guardados = e.ProductosGuardados.buscar(t->W);
        if (!guardados.isEmpty()) {
            t->guardar = false;
            if (f.tareas.ocupado()) {
                // No task will show it, yet the list restored is the one held from now on.
                TListaProducto lista = RestaurarProductos(e.ProductosGuardados, guardados);
                tomarLista(lista, true, t->W);
                Desechar(std::move(lista));
            } else {
                t->restaurar = guardados;
            }
        }
    }
    t->pedir = t->W != e.UltimoFiltro && t->restaurar.isEmpty();
    if (f.tareas.ocupado())
        return;

    t->foto = c.SwitchP.checked();
    t->carpeta = CarpetaDocumentos();

    IniciarTareaConFin(
        f, {QStringLiteral("Conectando"), QStringLiteral("Recuperando Productos"), {}},
        [this, t](Llamada &ll) {
            // While the task runs, ListaProductos and the saved list are its own: the screens
            // are disabled, and the pictures' names wait for its end.
            TListaProducto lista; // the list to hold; once held, the one it replaced, freed here
            if (!t->restaurar.isEmpty()) {
                // The pictures of the list still being written get their names first.
                m_escritor.esperar();
                ll.ui([&] { nombrarFotos(true); });
                lista = RestaurarProductos(e.ProductosGuardados, t->restaurar);
                ll.ui([&] { tomarLista(lista, true, t->W); });
            } else if (t->pedir) {
                ll.espera(QStringLiteral("Recuperando Productos"));
                if (ll.demo) {
                    // Demo dishes live only in the saved list: nothing to ask for.
                    ll.ui([&] { e.UltimoFiltro = t->W; });
                } else {
                    try {
                        lista = ll.itrazen()->ListaProductoConFoto(ll.user, ll.pass, t->W, t->foto).value_or(TListaProducto{});
                    } catch (const std::exception &) {
                        ll.smsg = QStringLiteral("No hay conexión al URL");
                        return;
                    }
                    ll.ui([&] { tomarLista(lista, false, t->W); });
                }
            }
            ll.espera(QStringLiteral("Cargando Productos"));

            // Room for the saved products an instant search may add to the list, so that
            // adding them never moves the whole list on the screen's thread.
            e.ListaProductos.ArrayProducto.reserve(e.ListaProductos.ArrayProducto.size() + e.ProductosGuardados.num());
            OpcionesPreparar o;
            o.fotos = t->foto;
            o.restaurada = e.ListaProductosRestaurada;
            o.carpeta = t->carpeta;
            if (t->guardar && !ll.demo && t->W.size() <= LargoMaximoFiltro) {
                t->primerRegistro = e.ProductosGuardados.num();
                t->registros = LlenarGuardados(e.ProductosGuardados, e.ListaProductos, e.UltimoFiltro);
                o.primerRegistro = t->primerRegistro;
                o.registros = t->registros;
                o.filtro = e.UltimoFiltro;
            }
            t->listos = PrepararProductos(e.ListaProductos, o);
        },
        [this, t](const QString &smsg) {
            // A failure ends at once; otherwise the tiles go in while the overlay still shows.
            if (!smsg.isEmpty()) {
                f.QuitarActividad(smsg);
                return;
            }
            mostrarProductos(*t);
        });
}

void Catalogo::tomarLista(TListaProducto &lista, bool restaurada, const QString &filtro)
{
    std::swap(e.ListaProductos, lista);
    e.ListaProductosRestaurada = restaurada;
    e.UltimoFiltro = filtro;
}

void Catalogo::mostrarProductos(TareaProductos &t)
{
    // The records filled by the task are counted before their pictures are queued, so a
    // picture written at once finds its record. The list cannot have changed meanwhile;
    // if it had, the records stay uncounted and the pictures name nothing.
    if (t.registros > 0 && e.ProductosGuardados.num() == t.primerRegistro)
        e.ProductosGuardados.sumar(t.registros);
    m_escritor.encolar(std::exchange(t.listos.fotos, {}));

    c.ListaPro.beginUpdate();
    Desechar(c.ListaPro.replaceAll(t.listos.tiles));
    marcarSegmento(c.Btn3);
    c.ListaPro.endUpdate();
    Mostrados m{std::exchange(t.listos, {}), e.UltimoFiltro, e.ListaProductos.Count,
                e.ListaProductos.ArrayProducto.constData()};
    Desechar(std::exchange(m_mostrados, std::move(m)));

    f.ActivityDialog1.hide();
    f.DesCargarEspera();
    f.Validar();
    // A single product is ready to add without a tap.
    if (c.ListaPro.count() == 1)
        c.ListaPro.setSelectedIndex(0);
    c.ListaPro.setFocus();
    m_guardados.ponerAlDia();
}

void Catalogo::nombrarFotos(bool desdeLaTarea)
{
    if (!desdeLaTarea && f.tareas.ocupado())
        return; // the end of the task names them
    for (const FotoPorEscribir &foto : m_escritor.tomarEscritas())
        e.ProductosGuardados.nombrarFoto(foto.registro, foto.id, foto.filtro, foto.nombre);
    m_guardados.ponerAlDia();
}

void Catalogo::terminarFotos()
{
    m_escritor.esperar();
    nombrarFotos(false);
}

void Catalogo::ListaProTileClick(int indice)
{
    e.EspPendiente.fill({});
    if (indice >= 0)
        c.ListaPro.setSelectedIndex(indice);
}

void Catalogo::ListaProTileShowDetail(int indice) { c.ListaPro.setSelectedIndex(indice); }

void Catalogo::BuscarProBtnClick()
{
    // Taking the focus away closes the on-screen keyboard.
    c.TextoP.setEnabled(false);
    c.TextoP.setEnabled(true);
    // The modifier screen keeps the dish being composed: a search would drop it.
    if (c.ListaMod.visible())
        return;
    // The service's answer takes the place of what the typing found.
    terminarBusqueda();
    const Busqueda b = LeerBusqueda(c.TextoP.text());
    if (!b.cargar) {
        c.ListaPro.setFocus();
        return;
    }
    if (b.tipo == int(TipoFiltro::Codigo))
        c.Cantidad.setText(b.cantidad);
    CargarProductos(b.tipo, b.filtro);
}

void Catalogo::TextoPKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == 13)
        BuscarProBtnClick();
}
