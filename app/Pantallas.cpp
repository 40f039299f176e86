// The header rule and the moves between the main screens: what every subsystem calls
// after it changed what shows.
#include "app/Forma.h"

void Forma::Validar()
{
    const QString tab = activeTab();
    Controles &c = controles;
    const Estado &e = estado;
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
        c.ToolBarLabel.setText(c.ListaMesa.tag() == ModoMapa::Elegir ? QStringLiteral("Nueva Comanda") : QStringLiteral("Mesas"));
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

void Forma::EmpresaBtnClick()
{
    controles.ToolBarLabel.setText(QStringLiteral("Menú Principal"));
    controles.MultiView1.setVisible(false);
    setActiveTab(Pestana::TabEmpresa);
    Validar();
    QuitarFondoTileList();
}

void Forma::ConfigurarBtnClick()
{
    controles.ToolBarLabel.setText(QStringLiteral("Configurar"));
    controles.MultiView1.setVisible(false);
    setActiveTab(Pestana::TabURL);
    Validar();
}

void Forma::CerrarSessionBtnClick()
{
    controles.ToolBarLabel.setText(QStringLiteral("POS"));
    controles.MultiView1.setVisible(false);
    estado.IsLogged = false;
    setActiveTab(Pestana::TabItem1);
    Validar();
}

void Forma::CambiarFondo()
{
    controles.Tile.beginUpdate();
    controles.Tile.setBackground(QStringLiteral("store:fondo2"));
    controles.Tile.endUpdate();
}

void Forma::QuitarFondoTileList()
{
    controles.Tile.reapplyStyle();
    controles.Tile.hideHeaderFooter();
    CambiarFondo();
}

void Forma::QuitarCategoTileList()
{
    for (TileList *l : {&controles.ListaSubCat, &controles.ListaCat, &controles.ListaPro}) {
        l->reapplyStyle();
        l->hideHeaderFooter();
        l->setPage(0);
    }
}
