#include "app/Controles.h"
#include "app/Pestanas.h"

Controles::Controles()
{
    for (QObject *o : std::initializer_list<QObject *>{
        &ContentLayout, &HeaderToolBar, &ToolBarLabel, &MenuBtn, &BackBtn, &OKBtn, &ComandaBtn, &RefreshBtn,
        &TabControl1, &TabItem1, &TabEmpresa, &TabURL, &TabListaCat, &TabComanda, &TabMesas, &TabLista,
        &TabSettings, &TabResumen, &TabSurtido, &MultiView1, &MainMenuBtn, &ConfigurarBtn, &CerrarSessionBtn,
        &CerrarAppBtn, &WaitLayout, &LabelWait, &AniIndicator1, &TimerWait, &iUser, &iPass, &SignInRectBTN,
        &LabelVer, &VertScrollBox1, &GroupBox2, &LabelNombre, &LabelComercial, &LabelRFC, &LabelCorreo,
        &LabelTelefono, &LabelDomicilio, &LabelTCC, &LabelTCV, &LabelIVA, &DNS, &URLWSDL, &SwitchUser,
        &Label8, &SwitchM, &SwitchC, &SwitchP, &Fuente1, &Fuente2, &Columnas, &ColumnasCat, &ColumnasPro,
        &LabelGuardarLista, &Guardar, &Button2, &CancelarNotificacionBtn, &NavigationBar, &Btn1, &Btn2,
        &Btn3, &Captura, &TextoP, &BuscarProBtn, &Cantidad, &AddPed, &ToolBarOtro, &ModPer, &ModPerBtn,
        &ToolBar1, &PriorBtn, &LabelInfo, &NextBtn, &ToolBar2, &Button1, &Nombre, &Per, &ToolBarCap,
        &SBCantidad, &GuardarCant, &ToolBar4, &EnviarPedidoBtn, &PedidoCancelarBtn, &EditTotal, &LabelEnvio, &AvisoComanda, &ToolBarMesa,
        &Label4, &ToolBar3, &PriorMBtn, &NextMBtn, &ComandasPenT, &ComandasFinT, &PropinasT, &TotalT,
        &Impresora, &SwitchSur, &TimerSur, &LabelSer, &PlatillosT, &MarcarSurtidoBtn, &Tile, &ListaCat,
        &ListaSubCat, &ListaPro, &ListaMod, &ListaMesa, &ListPed, &Lista, &ListPla
    })
    {
        m_porNombre.insert(o->objectName(), o);
        o->setParent(&raiz);
    }

    // Design values: what each control shows before start-up touches it.
    ToolBarLabel.setText(QStringLiteral("POS"));
    for (Control *b : {&BackBtn, &OKBtn, &ComandaBtn, &RefreshBtn})
        b->setVisible(false);
    MultiView1.setVisible(false); // the drawer: visible means open
    MainMenuBtn.setText(QStringLiteral("Menú Principal"));
    ConfigurarBtn.setText(QStringLiteral("Configurar parámetros"));
    CerrarSessionBtn.setText(QStringLiteral("Cerrar Sesión"));
    CerrarAppBtn.setText(QStringLiteral("Salir"));

    LabelEnvio.setVisible(false);
    WaitLayout.setVisible(false);
    AniIndicator1.setVisible(false);
    AniIndicator1.setEnabled(false);
    TimerWait.setEnabled(false); // a timer: enabled means running
    SignInRectBTN.setText(QStringLiteral("INICIAR"));
    GroupBox2.setVisible(false);
    GroupBox2.setText(QStringLiteral("Datos de Empresa"));

    SwitchUser.setChecked(true);
    Label8.setText(QStringLiteral("http://192.168.1.10:3269/WSTrazen.dll/wsdl/Itrazen"));

    for (Control *s : {&SwitchM, &SwitchC, &SwitchP})
        s->setChecked(true);
    Fuente1.asNumber(8, 20, 12);
    Fuente2.asNumber(8, 20, 13);
    Columnas.asNumber(1, 5, 3);
    ColumnasCat.asNumber(1, 5, 3);
    ColumnasPro.asNumber(1, 5, 3);
    LabelGuardarLista.setText(QStringLiteral("Guardar listas consultadas"));
    Guardar.setText(QStringLiteral("Guardar"));
    Button2.setText(QStringLiteral("Depurar"));
    CancelarNotificacionBtn.setText(QStringLiteral("Silenciar"));

    Btn1.setText(QStringLiteral("Categoría"));
    Btn2.setText(QStringLiteral("SubCategoría"));
    Btn3.setText(QStringLiteral("Producto"));
    Btn1.setChecked(true); // the pressed segment
    Captura.setVisible(false);
    Cantidad.asNumber(1, 99999, 1, 3);
    ToolBarOtro.setEnabled(false);

    Per.asNumber(1, 999, 1);
    ToolBarCap.setVisible(false);
    SBCantidad.asNumber(1, 99999, 1, 3);
    GuardarCant.setText(QStringLiteral("Guardar"));
    EnviarPedidoBtn.setText(QStringLiteral("Surtir Comanda"));
    PedidoCancelarBtn.setText(QStringLiteral("Cancelar Comanda"));

    ToolBarMesa.setVisible(false);
    Label4.setText(QStringLiteral("Seleccione una Mesa para iniciar"));

    for (Control *t : {&ComandasPenT, &ComandasFinT, &PropinasT, &TotalT})
        t->setText(QStringLiteral("0"));

    Impresora.setItems({QStringLiteral("Todas"), QStringLiteral("Impresora 1"), QStringLiteral("Impresora 2"),
                        QStringLiteral("Impresora 3"), QStringLiteral("Impresora 4"), QStringLiteral("Impresora 5")});
    Impresora.setItemIndex(0);
    TimerSur.setEnabled(false);
    LabelSer.setText(QStringLiteral("Ordenes"));
    PlatillosT.setText(QStringLiteral("0"));
    MarcarSurtidoBtn.setText(QStringLiteral("Marcar como Leído"));
    MarcarSurtidoBtn.setVisible(false);

    Tile.setColumns(2);
    Tile.setRows(4);
    ListaMesa.setRows(4);
    ListaMod.setColumns(3);
    ListaMod.setRows(6);
    ListaMod.setShowPictures(false);
    for (TileList *l : {&ListaSubCat, &ListaPro, &ListaMod})
        l->setVisible(false);
}
