#pragma once
#include "app/Control.h"
#include "app/Pestanas.h"
#include "app/ListaVista.h"
#include "app/TileList.h"
#include <QHash>

/// Every named control of the main window, with its design values. The screens look
/// them up by name; handlers and tests use the members.
struct Controles {
    // Parent of every control, so that the screens never take them over; declared first
    // so that it goes last.
    QObject raiz;

    // Window frame and header
    Control ContentLayout{QStringLiteral("ContentLayout")};
    Control HeaderToolBar{QStringLiteral("HeaderToolBar")};
    Control ToolBarLabel{QStringLiteral("ToolBarLabel")};
    Control MenuBtn{QStringLiteral("MenuBtn")};
    Control BackBtn{QStringLiteral("BackBtn")};
    Control OKBtn{QStringLiteral("OKBtn")};
    Control ComandaBtn{QStringLiteral("ComandaBtn")};
    Control RefreshBtn{QStringLiteral("RefreshBtn")};

    // Screens (tabs)
    Control TabControl1{QStringLiteral("TabControl1")};
    Control TabItem1{Pestana::TabItem1};
    Control TabEmpresa{Pestana::TabEmpresa};
    Control TabURL{Pestana::TabURL};
    Control TabListaCat{Pestana::TabListaCat};
    Control TabComanda{Pestana::TabComanda};
    Control TabMesas{Pestana::TabMesas};
    Control TabLista{Pestana::TabLista};
    Control TabSettings{Pestana::TabSettings};
    Control TabResumen{Pestana::TabResumen};
    Control TabSurtido{Pestana::TabSurtido};

    // Side drawer
    Control MultiView1{QStringLiteral("MultiView1")};
    Control MainMenuBtn{QStringLiteral("MainMenuBtn")};
    Control ConfigurarBtn{QStringLiteral("ConfigurarBtn")};
    Control CerrarSessionBtn{QStringLiteral("CerrarSessionBtn")};
    Control CerrarAppBtn{QStringLiteral("CerrarAppBtn")};

    // Busy overlay
    Control WaitLayout{QStringLiteral("WaitLayout")};
    Control LabelWait{QStringLiteral("LabelWait")};
    Control AniIndicator1{QStringLiteral("AniIndicator1")};
    Control TimerWait{QStringLiteral("TimerWait")};

    // Sign-in screen
    Control iUser{QStringLiteral("iUser")};
    Control iPass{QStringLiteral("iPass")};
    Control SignInRectBTN{QStringLiteral("SignInRectBTN")};
    Control LabelVer{QStringLiteral("LabelVer")};
    Control VertScrollBox1{QStringLiteral("VertScrollBox1")};

    // Company labels (main menu)
    Control GroupBox2{QStringLiteral("GroupBox2")};
    Control LabelNombre{QStringLiteral("LabelNombre")};
    Control LabelComercial{QStringLiteral("LabelComercial")};
    Control LabelRFC{QStringLiteral("LabelRFC")};
    Control LabelCorreo{QStringLiteral("LabelCorreo")};
    Control LabelTelefono{QStringLiteral("LabelTelefono")};
    Control LabelDomicilio{QStringLiteral("LabelDomicilio")};
    Control LabelTCC{QStringLiteral("LabelTCC")};
    Control LabelTCV{QStringLiteral("LabelTCV")};
    Control LabelIVA{QStringLiteral("LabelIVA")};

    // Connection screen
    Control DNS{QStringLiteral("DNS")};
    Control URLWSDL{QStringLiteral("URLWSDL")};
    Control SwitchUser{QStringLiteral("SwitchUser")};
    Control Label8{QStringLiteral("Label8")};

    // Display settings screen
    Control SwitchM{QStringLiteral("SwitchM")};
    Control SwitchC{QStringLiteral("SwitchC")};
    Control SwitchP{QStringLiteral("SwitchP")};
    Control Fuente1{QStringLiteral("Fuente1")};
    Control Fuente2{QStringLiteral("Fuente2")};
    Control Columnas{QStringLiteral("Columnas")};
    Control ColumnasCat{QStringLiteral("ColumnasCat")};
    Control ColumnasPro{QStringLiteral("ColumnasPro")};
    Control LabelGuardarLista{QStringLiteral("LabelGuardarLista")};
    Control Guardar{QStringLiteral("Guardar")};
    Control Button2{QStringLiteral("Button2")};
    Control CancelarNotificacionBtn{QStringLiteral("CancelarNotificacionBtn")};

    // Catalogue screen
    Control NavigationBar{QStringLiteral("NavigationBar")};
    Control Btn1{QStringLiteral("Btn1")};
    Control Btn2{QStringLiteral("Btn2")};
    Control Btn3{QStringLiteral("Btn3")};
    Control Captura{QStringLiteral("Captura")};
    Control TextoP{QStringLiteral("TextoP")};
    Control BuscarProBtn{QStringLiteral("BuscarProBtn")};
    Control Cantidad{QStringLiteral("Cantidad")};
    Control AddPed{QStringLiteral("AddPed")};
    Control ToolBarOtro{QStringLiteral("ToolBarOtro")};
    Control ModPer{QStringLiteral("ModPer")};
    Control ModPerBtn{QStringLiteral("ModPerBtn")};
    Control ToolBar1{QStringLiteral("ToolBar1")};
    Control PriorBtn{QStringLiteral("PriorBtn")};
    Control LabelInfo{QStringLiteral("LabelInfo")};
    Control NextBtn{QStringLiteral("NextBtn")};

    // Comanda screen
    Control ToolBar2{QStringLiteral("ToolBar2")};
    Control Button1{QStringLiteral("Button1")};
    Control Nombre{QStringLiteral("Nombre")};
    Control Per{QStringLiteral("Per")};
    Control ToolBarCap{QStringLiteral("ToolBarCap")};
    Control SBCantidad{QStringLiteral("SBCantidad")};
    Control GuardarCant{QStringLiteral("GuardarCant")};
    Control ToolBar4{QStringLiteral("ToolBar4")};
    Control EnviarPedidoBtn{QStringLiteral("EnviarPedidoBtn")};
    Control PedidoCancelarBtn{QStringLiteral("PedidoCancelarBtn")};
    Control EditTotal{QStringLiteral("EditTotal")};
    Control LabelEnvio{QStringLiteral("LabelEnvio")};     // how the comanda's send stands
    Control AvisoComanda{QStringLiteral("AvisoComanda")}; // the word on the main menu after a send

    // Table map
    Control ToolBarMesa{QStringLiteral("ToolBarMesa")};
    Control Label4{QStringLiteral("Label4")};
    Control ToolBar3{QStringLiteral("ToolBar3")};
    Control PriorMBtn{QStringLiteral("PriorMBtn")};
    Control NextMBtn{QStringLiteral("NextMBtn")};

    // Summary screen
    Control ComandasPenT{QStringLiteral("ComandasPenT")};
    Control ComandasFinT{QStringLiteral("ComandasFinT")};
    Control PropinasT{QStringLiteral("PropinasT")};
    Control TotalT{QStringLiteral("TotalT")};

    // Ready dishes screen
    Control Impresora{QStringLiteral("Impresora")};
    Control SwitchSur{QStringLiteral("SwitchSur")};
    Control TimerSur{QStringLiteral("TimerSur")};
    Control LabelSer{QStringLiteral("LabelSer")};
    Control PlatillosT{QStringLiteral("PlatillosT")};
    Control MarcarSurtidoBtn{QStringLiteral("MarcarSurtidoBtn")};

    // Tile lists
    TileList Tile{QStringLiteral("Tile"), true, 8};
    TileList ListaCat{QStringLiteral("ListaCat"), false, 4};
    TileList ListaSubCat{QStringLiteral("ListaSubCat"), false, 4};
    TileList ListaPro{QStringLiteral("ListaPro"), false, 4};
    TileList ListaMod{QStringLiteral("ListaMod"), true, 4};
    TileList ListaMesa{QStringLiteral("ListaMesa"), false, 15};

    // List views
    ListaVista ListPed{QStringLiteral("ListPed"), true};
    ListaVista Lista{QStringLiteral("Lista"), false};
    ListaVista ListPla{QStringLiteral("ListPla"), false};

    Controles();

    /// The control of that name, or null.
    [[nodiscard]] QObject *buscar(const QString &nombre) const { return m_porNombre.value(nombre); }

private:
    QHash<QString, QObject *> m_porNombre;
};
