#include "shell/Navegacion.h"
#include "app/Ajustes.h"
#include "app/Pestanas.h"
#include "kitchen/Resumen.h"
#include "kitchen/Surtido.h"
#include "session/Sesion.h"
#include "tables/ComandasAbiertas.h"
#include "tables/Mesas.h"
#include <QKeyEvent>

Navegacion::Navegacion(Forma &form, Destinos destinos)
    : Controlador(form), m_destinos(destinos)
{
    crearMenu();
    connect(&c.Tile, &TileList::clicked, this, &Navegacion::TileTileClick);
    connect(&c.BackBtn, &Control::clicked, this, &Navegacion::BackBtn2Click);
    connect(&c.OKBtn, &Control::clicked, this, &Navegacion::OKBtnClick);
    connect(&c.SignInRectBTN, &Control::clicked, this, &Navegacion::OKBtnClick);
    connect(&c.RefreshBtn, &Control::clicked, this, &Navegacion::RefreshBtnClick);
    // The drawer's items take no tap while a task runs: its last step would move the screen
    // under them (a signed-out waiter left on the table map, for one).
    const auto libre = [this](std::function<void()> accion) {
        return [this, accion = std::move(accion)] {
            if (!f.tareas.ocupado())
                accion();
        };
    };
    connect(&c.MainMenuBtn, &Control::clicked, this, libre([this] { f.EmpresaBtnClick(); }));
    connect(&c.ConfigurarBtn, &Control::clicked, this, libre([this] { f.ConfigurarBtnClick(); }));
    connect(&c.CerrarSessionBtn, &Control::clicked, this, libre([this] { f.CerrarSessionBtnClick(); }));
    connect(&c.CerrarAppBtn, &Control::clicked, &f, &Forma::CerrarBtnClick);
}

void Navegacion::crearMenu()
{
    struct Entrada {
        const char *caption;
        const char *imagen;
    };
    static const Entrada menu[] = {{"Nombre de la Empresa", nullptr}, {"Nueva Comanda", "nueva"},
                                   {"Mesas", "mesas"},                {"Lista de Comandas", "lista"},
                                   {"Surtidos", "surtidos"},          {"Resumen", "resumen"},
                                   {"Configuracion", "configuracion"}};
    c.Tile.beginUpdate();
    int tag = 0;
    for (const Entrada &m : menu) {
        Tile t;
        t.caption = QString::fromUtf8(m.caption);
        t.tag = tag++;
        if (m.imagen)
            t.picture = QStringLiteral("store:") + QLatin1StringView(m.imagen);
        else {
            t.colSpan = 2; // the company tile spans both columns and is only read
            t.selectable = false;
        }
        c.Tile.add(t);
    }
    c.Tile.endUpdate();
    c.Tile.setCustomizer([this](const TileList &, int i, AspectoTile &a) { TileCustomizeTile(f, i, a); });
    // A main-menu tile that cannot be drawn says so; drawing goes on with the next one.
    c.Tile.setOnError([this](const QString &error) { f.dialogos.MensajeSimple(QStringLiteral("Error Tile1 ") + error); });
}

void Navegacion::BackBtn2Click()
{
    const QString tab = f.activeTab();
    if (tab == Pestana::TabListaCat) {
        if (c.ListaPro.visible()) {
            c.ListaSubCat.setVisible(false);
            c.ListaCat.setVisible(false);
            if (c.ListaSubCat.count() > 0)
                c.ListaSubCat.setVisible(true);
            else
                c.ListaCat.setVisible(true);
            c.ListaPro.setVisible(false);
        } else if (c.ListaSubCat.visible()) {
            c.ListaCat.setVisible(true);
            c.ListaSubCat.setVisible(false);
            c.ListaPro.setVisible(false);
        } else if (c.ListaCat.visible()) {
            f.MenuTileClick();
        }
        f.Validar();
    } else if (tab == Pestana::TabComanda) {
        c.ListaCat.setVisible(false);
        c.ListaSubCat.setVisible(false);
        c.ListaPro.setVisible(false);
        for (TileList *l : {&c.ListaPro, &c.ListaSubCat, &c.ListaCat}) {
            if (l->count() > 0) {
                f.setActiveTab(Pestana::TabListaCat);
                l->setVisible(true);
                break;
            }
        }
        f.Validar();
    } else if (tab == Pestana::TabSettings) {
        m_destinos.ajustes.SetSettings();
        f.MenuTileClick();
    } else {
        f.MenuTileClick();
    }
    f.QuitarCategoTileList();
}

bool Navegacion::FormKeyUp(int key)
{
    if (key != Qt::Key_Back && key != Qt::Key_Escape)
        return false;
    // With the on-screen keyboard up the key only closes the keyboard.
    if (f.tecladoVisible())
        return false;
    if (f.activeTab() != Pestana::TabItem1 && c.BackBtn.visible())
        BackBtn2Click();
    return true;
}

void Navegacion::TileTileClick(int indice)
{
    if (indice < 0 || indice >= c.Tile.count())
        return;
    const int tag = c.Tile.tile(indice).tag;
    const bool versionOk = e.VersionServicio >= VersionMinimaMenu;
    if ((tag == 4 || tag == 5 || tag == 6) && !versionOk) {
        f.MostrarMensaje(QStringLiteral("Requiere el WS 1.0.77"));
        return;
    }
    switch (tag) {
    case 1: m_destinos.mesas.NuevaComanda(); break;
    case 2: m_destinos.mesas.CargarMesas(true); break;
    case 3: m_destinos.comandasAbiertas.ListaComandas(); break;
    case 4:
        f.setActiveTab(Pestana::TabSurtido);
        c.BackBtn.setVisible(true);
        c.RefreshBtn.setVisible(true);
        break;
    case 5: m_destinos.resumen.ResumenMesero(); break;
    case 6:
        f.setActiveTab(Pestana::TabSettings);
        c.BackBtn.setVisible(true);
        break;
    default: break;
    }
}

void Navegacion::OKBtnClick()
{
    if (f.activeTab() == Pestana::TabItem1)
        m_destinos.sesion.OKBtnClick();
    else if (f.activeTab() == Pestana::TabURL)
        m_destinos.ajustes.OKBtnClick();
}

void Navegacion::RefreshBtnClick()
{
    if (f.activeTab() == Pestana::TabMesas)
        m_destinos.mesas.Refresh();
    else if (f.activeTab() == Pestana::TabSurtido)
        m_destinos.surtido.Refresh();
}

void Navegacion::TileCustomizeTile(const Forma &f, int indice, AspectoTile &a)
{
    if (indice == 0) {
        // The company tile: text only, over the background.
        a.relleno = Qt::transparent;
        a.opacidad = 1;
        a.colorTexto = Qt::white;
        a.tamFuente = f.estado.FuenteCuadros + 4;
        a.mostrarImagen = false;
        return;
    }
    a.opacidad = 0.8;
    a.borde = false;
    a.relleno = Qt::black;
    a.colorTexto = Qt::white;
    a.margenIzq = a.margenDer = a.margenInf = 0;
    a.margenSup = 1;
    a.lineasTexto = 2;
    a.extraTexto = 6;
    a.tamFuente = f.estado.FuenteCuadros;
    a.mostrarImagen = true;
}
