// The products of the catalogue screen: loading by filter, the saved-list cache and the tiles.
#include "app/Navegacion.h"
#include "catalogue/Catalogo.h"
#include "catalogue/FiltroProductos.h"
#include "catalogue/FotosCatalogo.h"
#include "catalogue/ProductosGuardados.h"
#include "catalogue/TextosProducto.h"
#include "util/Archivos.h"

namespace {
/// What the products task carries between its thread and the screen.
struct TareaProductos {
    QString W;            // the filter
    bool pedir = false;   // not held nor saved: ask the service (or, in demo mode, take it as answered)
    bool guardar = false; // append what is shown to the saved list
    QString user, pass;
    bool foto = false;
    bool demo = false;
    QString smsg;
};

/// The saved list's filter field holds 255 code units: a longer filter could be saved
/// but never found again.
constexpr qsizetype LargoMaximoFiltro = 255;
} // namespace

void Catalogo::CargarProductos(int Tipo, const QString &Filtro)
{
    auto t = std::make_shared<TareaProductos>();
    t->W = FiltroProductos(Tipo, Filtro, e.NuCategoria, e.NuSubCategoria);
    c.ListaPro.clear();
    mostrarLista(Vista::Productos);

    t->guardar = true;
    if (t->W == e.UltimoFiltro) {
        t->guardar = false; // the list on screen already answers it
    } else {
        TListaProducto restaurada = RestaurarProductos(e.ProductosGuardados, t->W);
        if (restaurada.Count > 0) {
            e.ListaProductos = std::move(restaurada);
            e.ListaProductosRestaurada = true;
            e.UltimoFiltro = t->W;
            t->guardar = false;
        }
    }
    t->pedir = t->W != e.UltimoFiltro;
    if (f.tareas.ocupado())
        return;

    t->user = c.iUser.text();
    t->pass = c.iPass.text();
    t->foto = c.SwitchP.checked();
    t->demo = e.ModoDemo;

    f.tareas.iniciar(
        [this, t](const Paso &paso) {
            paso.ui([&] {
                f.MostrarActividad(QStringLiteral("Conectando"), QStringLiteral("Recuperando Productos"));
            });
            if (t->pedir) {
                paso.ui([&] { f.UpdateEspera(QStringLiteral("Recuperando Productos")); });
                if (t->demo) {
                    // Demo dishes live only in the saved list: nothing to ask for.
                    paso.ui([&] { e.UltimoFiltro = t->W; });
                } else {
                    try {
                        auto lista = f.SoapClient1().itrazen()->ListaProductoConFoto(t->user, t->pass, t->W, t->foto);
                        paso.ui([&] {
                            e.ListaProductos = lista.value_or(TListaProducto{});
                            e.ListaProductosRestaurada = false;
                            e.UltimoFiltro = t->W;
                        });
                    } catch (const std::exception &) {
                        t->smsg = QStringLiteral("No hay conexión al URL");
                        return;
                    }
                }
            }
            paso.ui([&] { f.UpdateEspera(QStringLiteral("Cargando Productos")); });
        },
        [this, t] {
            // The tiles are built while the overlay still shows; a failure ends at once.
            if (!t->smsg.isEmpty()) {
                f.QuitarActividad(t->smsg);
                return;
            }
            mostrarProductos(t->guardar && !t->demo && t->W.size() <= LargoMaximoFiltro);
        });
}

void Catalogo::mostrarProductos(bool guardar)
{
    const bool fotos = c.SwitchP.checked();
    const bool restaurada = e.ListaProductosRestaurada;
    c.ListaPro.beginUpdate();
    ParaCada(e.ListaProductos.ArrayProducto, e.ListaProductos.Count, [&](const TProducto &p, qsizetype pos) {
        Tile t;
        t.tag = int(pos); // the product's position in ListaProductos
        t.detailNotes = TextoPrecio(p.Precio);
        t.caption = CaptionProducto(p.Descripcion, t.detailNotes);
        t.detailCaption = p.Descripcion;
        const int i = c.ListaPro.add(t);

        QString foto; // the picture file written for this product, if any
        if (fotos && !restaurada && !p.Foto.isEmpty()) {
            const QString nombre = FotosCatalogo::Producto(p.ID);
            if (FotosCatalogo::GuardarYMostrar(c.ListaPro, i, p.Foto, nombre))
                foto = nombre;
        } else if (fotos && restaurada && FotosCatalogo::EsNombreLocal(p.FotoStr)) {
            c.ListaPro.setPictureFromFile(i, RutaDocumento(p.FotoStr));
        }
        if (guardar)
            e.ProductosGuardados.agregar(RegistroProducto(p, e.UltimoFiltro, foto));
    });
    marcarSegmento(c.Btn3);
    c.ListaPro.endUpdate();
    f.ActivityDialog1.hide();
    f.DesCargarEspera();
    f.navegacion().Validar();
    // A single product is ready to add without a tap.
    if (c.ListaPro.count() == 1)
        c.ListaPro.setSelectedIndex(0);
    c.ListaPro.enfocar();
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
    const Busqueda b = LeerBusqueda(c.TextoP.text());
    if (!b.cargar) {
        c.ListaPro.enfocar();
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
