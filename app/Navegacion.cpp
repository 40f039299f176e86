#include "app/Navegacion.h"
#include "app/Pestanas.h"
#include "app/Ajustes.h"
#include "catalogue/Catalogo.h"
#include "kitchen/Resumen.h"
#include "kitchen/Surtido.h"
#include "session/Sesion.h"
#include "tables/EnvioComanda.h"
#include "tables/ComandasAbiertas.h"
#include "tables/Mesas.h"
#include <QKeyEvent>

Navegacion::Navegacion(TTabbedForm &form)
    : Controlador(form)
{
    crearMenu();
    connect(&c.Tile, &TileList::tocado, this, &Navegacion::TileTileClick);
    connect(&c.BackBtn, &Control::pulsado, this, &Navegacion::BackBtn2Click);
    connect(&c.OKBtn, &Control::pulsado, this, &Navegacion::OKBtnClick);
    connect(&c.SignInRectBTN, &Control::pulsado, this, &Navegacion::OKBtnClick);
    connect(&c.RefreshBtn, &Control::pulsado, this, &Navegacion::RefreshBtnClick);
    // The drawer's items take no tap while a task runs: its last step would move the screen
    // under them (a signed-out waiter left on the table map, for one).
    const auto libre = [this](void (Navegacion::*accion)()) {
        return [this, accion] {
            if (!f.tareas.ocupado())
                (this->*accion)();
        };
    };
    connect(&c.MainMenuBtn, &Control::pulsado, this, libre(&Navegacion::EmpresaBtnClick));
    connect(&c.ConfigurarBtn, &Control::pulsado, this, libre(&Navegacion::ConfigurarBtnClick));
    connect(&c.CerrarSessionBtn, &Control::pulsado, this, libre(&Navegacion::CerrarSessionBtnClick));
    connect(&c.CerrarAppBtn, &Control::pulsado, &f, &TTabbedForm::CerrarBtnClick);
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
    c.Tile.setDibujo([this](const TileList &, int i, AspectoTile &a) { TileCustomizeTile(f, i, a); });
    // A main-menu tile that cannot be drawn says so; drawing goes on with the next one.
    c.Tile.setAlFallar([this](const QString &error) { f.dialogos.MensajeSimple(QStringLiteral("Error Tile1 ") + error); });
}

void Navegacion::Validar()
{
    const QString tab = f.activeTab();
    c.MainMenuBtn.setEnabled(e.IsLogged);
    c.CerrarSessionBtn.setEnabled(e.IsLogged);
    c.ConfigurarBtn.setEnabled(true);
    c.OKBtn.setVisible(tab == Pestana::TabItem1 || tab == Pestana::TabURL);
    // The summary, the ready dishes and the display settings show back (and the ready dishes
    // refresh) from their own tile: a later refresh of the header keeps them, or the only
    // way out of the settings would be the drawer, which neither applies nor stores them.
    const bool conRegreso = tab == Pestana::TabSettings || tab == Pestana::TabSurtido || tab == Pestana::TabResumen;
    c.BackBtn.setVisible(tab == Pestana::TabListaCat || tab == Pestana::TabMesas || tab == Pestana::TabLista || tab == Pestana::TabComanda
                         || conRegreso);
    c.Captura.setVisible(tab == Pestana::TabListaCat && c.ListaPro.visible());
    c.ComandaBtn.setVisible(e.PedidoActual.Count > 0);
    // While the modifiers show, only TERMINAR and back leave them: a segment would drop
    // the dish being composed.
    const bool modificadores = tab == Pestana::TabListaCat && c.ListaMod.visible();
    c.Btn1.setEnabled(c.ListaCat.count() > 0 && !modificadores);
    c.Btn2.setEnabled(c.ListaSubCat.count() > 0 && !modificadores);
    c.Btn3.setEnabled(!modificadores);
    if (tab == Pestana::TabListaCat && !modificadores) {
        // The pressed segment follows the list that shows, also after back.
        c.Btn1.setChecked(c.ListaCat.visible());
        c.Btn2.setChecked(c.ListaSubCat.visible());
        c.Btn3.setChecked(c.ListaPro.visible());
    }
    c.RefreshBtn.setVisible(tab == Pestana::TabMesas || tab == Pestana::TabSurtido);
    if (tab == Pestana::TabMesas)
        c.ToolBarLabel.setText(c.ListaMesa.tag() == 1 ? QStringLiteral("Nueva Comanda") : QStringLiteral("Mesas"));
    else if (tab == Pestana::TabListaCat || tab == Pestana::TabComanda)
        c.ToolBarLabel.setText(QStringLiteral("Comanda / ") + e.PedidoActual.ReferenciaPago);
    c.LabelGuardarLista.setText(QStringLiteral("Guardar productos consultados (") + QString::number(e.NumProductosGuardados())
                                + QStringLiteral(")"));
    if (tab == Pestana::TabURL || tab == Pestana::TabItem1)
        c.ComandaBtn.setVisible(false);
    // The comanda screen tells how its send stands; while a try may be on the server the
    // comanda cannot change.
    c.LabelEnvio.setText(TextoEnvio(e.Envio));
    c.LabelEnvio.setVisible(!c.LabelEnvio.text().isEmpty());
    c.Nombre.setEnabled(!e.Envio.bloqueada());
    c.Per.setEnabled(!e.Envio.bloqueada());
}

void Navegacion::EmpresaBtnClick()
{
    c.ToolBarLabel.setText(QStringLiteral("Menú Principal"));
    c.MultiView1.setVisible(false);
    f.setActiveTab(Pestana::TabEmpresa);
    Validar();
    QuitarFondoTileList();
}

void Navegacion::ConfigurarBtnClick()
{
    c.ToolBarLabel.setText(QStringLiteral("Configurar"));
    c.MultiView1.setVisible(false);
    f.setActiveTab(Pestana::TabURL);
    Validar();
}

void Navegacion::CerrarSessionBtnClick()
{
    c.ToolBarLabel.setText(QStringLiteral("POS"));
    c.MultiView1.setVisible(false);
    e.IsLogged = false;
    f.setActiveTab(Pestana::TabItem1);
    Validar();
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
            MenuTileClick();
        }
        Validar();
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
        Validar();
    } else if (tab == Pestana::TabSettings) {
        f.ajustes().SetSettings();
        MenuTileClick();
    } else {
        MenuTileClick();
    }
    QuitarCategoTileList();
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
    case 1: f.mesas().NuevaComanda(); break;
    case 2: f.mesas().CargarMesas(true); break;
    case 3: f.comandasAbiertas().ListaComandas(); break;
    case 4:
        f.setActiveTab(Pestana::TabSurtido);
        c.BackBtn.setVisible(true);
        c.RefreshBtn.setVisible(true);
        break;
    case 5: f.resumen().ResumenMesero(); break;
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
        f.sesion().OKBtnClick();
    else if (f.activeTab() == Pestana::TabURL)
        f.ajustes().OKBtnClick();
}

void Navegacion::RefreshBtnClick()
{
    if (f.activeTab() == Pestana::TabMesas)
        f.mesas().Refresh();
    else if (f.activeTab() == Pestana::TabSurtido)
        f.surtido().Refresh();
}

void Navegacion::TileCustomizeTile(const TTabbedForm &f, int indice, AspectoTile &a)
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

void Navegacion::CambiarFondo()
{
    c.Tile.beginUpdate();
    c.Tile.setBackground(QStringLiteral("store:fondo2"));
    c.Tile.endUpdate();
}

void Navegacion::QuitarFondoTileList()
{
    c.Tile.reaplicarEstilo();
    c.Tile.hideHeaderFooter();
    CambiarFondo();
}

void Navegacion::QuitarCategoTileList()
{
    for (TileList *l : {&c.ListaSubCat, &c.ListaCat, &c.ListaPro}) {
        l->reaplicarEstilo();
        l->hideHeaderFooter();
        l->setPage(0);
    }
}
