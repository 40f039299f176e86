#include "catalogue/Catalogo.h"

Catalogo::Catalogo(Forma &form)
    : Controlador(form), m_guardados(form.estado.ProductosGuardados, [this] { return !f.tareas.ocupado(); })
{
    connect(&c.ListaCat, &TileList::clicked, this, &Catalogo::ListaCatTileClick);
    connect(&c.ListaSubCat, &TileList::clicked, this, &Catalogo::ListaSubCatTileClick);
    connect(&c.ListaPro, &TileList::clicked, this, &Catalogo::ListaProTileClick);
    connect(&c.ListaPro, &TileList::detailRequested, this, &Catalogo::ListaProTileShowDetail);
    connect(&c.BuscarProBtn, &Control::clicked, this, &Catalogo::BuscarProBtnClick);
    connect(&c.TextoP, &Control::edited, this, &Catalogo::TextoPChange);

    // The pictures written are named in the saved list in batches, not one change per file.
    m_nombrar.setSingleShot(true);
    m_nombrar.setInterval(100);
    connect(&m_escritor, &EscritorFotos::escritas, &m_nombrar, qOverload<>(&QTimer::start));
    connect(&m_nombrar, &QTimer::timeout, this, [this] { nombrarFotos(false); });
    connect(&f.tareas, &Tareas::terminada, this, [this] { nombrarFotos(false); });
    // Saved products the search could not see yet: the search is made again with them.
    connect(&m_guardados, &IndiceGuardados::rehecho, this, [this] {
        if (m_sesion.activa && c.ListaPro.visible() && !c.ListaMod.visible())
            buscarConocidos(m_sesion.palabras);
    });
    connect(&c.PriorBtn, &Control::clicked, this, &Catalogo::PriorBtnClick);
    connect(&c.NextBtn, &Control::clicked, this, &Catalogo::NextBtnClick);
    connect(&c.Btn1, &Control::clicked, this, &Catalogo::Btn1Click);
    connect(&c.Btn2, &Control::clicked, this, &Catalogo::Btn2Click);
    connect(&c.Btn3, &Control::clicked, this, &Catalogo::Btn3Click);

    const auto dibujoCat = [this](const TileList &, int, AspectoTile &a) { ListaCatCustomizeTile(f, a); };
    c.ListaCat.setCustomizer(dibujoCat);
    c.ListaSubCat.setCustomizer(dibujoCat);
    c.ListaPro.setCustomizer([this](const TileList &, int, AspectoTile &a) { ListaProCustomizeTile(f, a); });
}

namespace {
/// White tile, blue caption at the top; with pictures the caption takes `lineas` lines
/// and the picture the rest, without them the caption fills the tile.
void aspectoCatalogo(const Forma &f, bool conImagen, int lineas, AspectoTile &a)
{
    a.relleno = QColor::fromRgba(0xFFFFFFFF);
    a.margenIzq = 0;
    a.margenDer = 2;
    a.margenSup = 1;
    a.margenInf = 0;
    a.lineasTexto = conImagen ? lineas : 0;
    a.extraTexto = conImagen ? 10 : 0;
    a.colorTexto = QColor::fromRgba(0xFF0000FF);
    a.tamFuente = f.estado.FuenteCuadros;
    a.mostrarImagen = conImagen;
}
} // namespace

void Catalogo::ListaCatCustomizeTile(const Forma &f, AspectoTile &a)
{
    aspectoCatalogo(f, f.controles.SwitchC.checked(), 2, a);
}

void Catalogo::ListaProCustomizeTile(const Forma &f, AspectoTile &a)
{
    // The tiles wrap long names: a third line keeps the price under a two-line name in view.
    aspectoCatalogo(f, f.controles.SwitchP.checked(), 3, a);
}

void Catalogo::mostrarLista(Vista v)
{
    c.Captura.setVisible(v == Vista::Productos);
    c.ListaCat.setVisible(v == Vista::Categorias);
    c.ListaSubCat.setVisible(v == Vista::SubCategorias);
    c.ListaPro.setVisible(v == Vista::Productos);
    c.ListaMod.setVisible(false);
    f.QuitarCategoTileList();
    c.ToolBarOtro.setEnabled(false);
    c.LabelInfo.setText({});
    c.ToolBar1.setVisible(true);
}

void Catalogo::marcarSegmento(Control &boton)
{
    for (Control *b : {&c.Btn1, &c.Btn2, &c.Btn3})
        b->setChecked(b == &boton);
}

void Catalogo::PriorBtnClick()
{
    for (TileList *l : {&c.ListaPro, &c.ListaCat, &c.ListaSubCat})
        if (l->visible())
            l->priorPage();
}

void Catalogo::NextBtnClick()
{
    for (TileList *l : {&c.ListaPro, &c.ListaCat, &c.ListaSubCat})
        if (l->visible())
            l->nextPage();
}

void Catalogo::navegar(Vista v, Control &segmento)
{
    // The modifier screen is left by TERMINAR or back only: a segment would drop the dish.
    if (c.ListaMod.visible())
        return;
    // The lists keep their tiles: the bar only switches between them, fetching nothing.
    marcarSegmento(segmento);
    c.ListaCat.setVisible(v == Vista::Categorias);
    c.ListaSubCat.setVisible(v == Vista::SubCategorias);
    c.ListaPro.setVisible(v == Vista::Productos);
    c.ListaMod.setVisible(false);
    c.ToolBar1.setVisible(v == Vista::Productos);
    c.ToolBarOtro.setEnabled(false);
    c.LabelInfo.setText({});
    f.Validar();
    f.QuitarCategoTileList();
}

void Catalogo::Btn1Click() { navegar(Vista::Categorias, c.Btn1); }

void Catalogo::Btn2Click() { navegar(Vista::SubCategorias, c.Btn2); }

void Catalogo::Btn3Click() { navegar(Vista::Productos, c.Btn3); }
