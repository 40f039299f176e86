#include "tables/Mesas.h"
#include "app/Pestanas.h"
#include "app/TareaServicio.h"
#include "catalogue/Catalogo.h"
#include "order/LineasPedido.h"
#include "order/RespaldoComanda.h"
#include "tables/TileMesa.h"

Mesas::Mesas(Forma &form, Catalogo &catalogo, LineasPedido &lineas, RespaldoComanda &respaldo)
    : Controlador(form), m_catalogo(catalogo), m_lineas(lineas), m_respaldo(respaldo)
{
    connect(&c.ListaMesa, &TileList::clicked, this, &Mesas::ListaMesaTileClick);
    connect(&c.PriorMBtn, &Control::clicked, this, &Mesas::PriorMBtnClick);
    connect(&c.NextMBtn, &Control::clicked, this, &Mesas::NextMBtnClick);
    c.ListaMesa.setCustomizer([this](const TileList &, int i, AspectoTile &a) { ListaMesaCustomizeTile(f, i, a); });
}

void Mesas::CargarMesas(bool)
{
    c.ToolBarMesa.setVisible(false);
    c.ListaMesa.setTag(ModoMapa::Ver);
    c.ListaMesa.setVisible(true);
    c.ListaMesa.clear();
    c.ListaMesa.hideHeaderFooter();

    const Actividad actividad{QStringLiteral("Cargando"), QStringLiteral("Inicializando"),
                              [](const QString &error) { return QStringLiteral("Error al obtener mesas ") + error; }};
    IniciarTarea(
        f, actividad,
        [this](Llamada &ll) {
            bool cargadas = false;
            ll.ui([&] { cargadas = e.MesasCargadas; });
            if (!cargadas) {
                ll.espera(QStringLiteral("Obteniendo Mesas"));
                if (!ll.demo) {
                    // NuMesero is always 1: every waiter sees every table.
                    auto lista = ll.itrazen()->ListaMesas(ll.user, ll.pass, 1);
                    ll.ui([&] { e.ListaMesasActual = lista.value_or(TListaInfo1{}); });
                }
                ll.ui([&] { e.MesasCargadas = true; });
            }
            ll.espera(QStringLiteral("Generando Mesas"));
        },
        [this] { MostrarMesas(); });
}

void Mesas::MostrarMesas()
{
    f.setActiveTab(Pestana::TabMesas);
    const bool imagen = c.SwitchM.checked();
    c.ListaMesa.beginUpdate();
    ParaCada(e.ListaMesasActual.ArrayInfo1, e.ListaMesasActual.Count, [&](const TInfo1 &mesa, qsizetype) {
        const int i = c.ListaMesa.add(TileMesa(mesa));
        if (imagen)
            c.ListaMesa.setPictureFromStore(i, QStringLiteral("Mesa"));
    });
    c.ListaMesa.endUpdate();
    f.Validar();
}

void Mesas::ActivarSelMesa()
{
    CargarMesas(true);
    // Both at once: the task reads the mode only in its final step.
    c.ToolBarMesa.setVisible(true);
    c.ListaMesa.setTag(ModoMapa::Elegir);
}

void Mesas::NuevaComanda()
{
    c.LabelInfo.setText({});
    for (QString &esp : e.EspPendiente)
        esp.clear();
    if (e.PedidoActual.Count == 0) {
        ActivarSelMesa();
        return;
    }
    // A comanda with lines goes on where it was, on its table.
    m_catalogo.CargarCategorias();
    f.setActiveTab(Pestana::TabListaCat);
    f.QuitarCategoTileList();
}

void Mesas::ListaMesaTileClick(int indice)
{
    if (c.ListaMesa.tag() != ModoMapa::Elegir || indice < 0 || indice >= c.ListaMesa.count())
        return;
    if (m_lineas.Bloqueada())
        return;
    const int numero = c.ListaMesa.tile(indice).tag;
    const QString nombre = c.ListaMesa.tile(indice).caption;
    f.setActiveTab(Pestana::TabListaCat);
    // The lines already in the comanda stay; only its table changes.
    e.PedidoActual.NuPaso = numero;
    e.PedidoActual.ReferenciaPago = nombre;
    e.MesaPedido = nombre;
    m_respaldo.Guardar();
    m_catalogo.CargarCategorias();
}

void Mesas::ListaMesaCustomizeTile(const Forma &f, int, AspectoTile &a)
{
    a.relleno = QColor(0xFF, 0xFF, 0xFF);
    a.opacidad = 1;
    a.margenIzq = 0;
    a.margenDer = 2;
    a.margenSup = 1;
    a.margenInf = 0;
    a.colorTexto = QColor(0x00, 0x00, 0xFF);
    a.tamFuente = f.estado.FuenteCuadros;
    if (f.controles.SwitchM.checked()) {
        a.lineasTexto = 2; // twice the height of "W", plus 10
        a.extraTexto = 10;
        a.mostrarImagen = true;
    } else {
        a.lineasTexto = 0; // the caption fills the tile
        a.extraTexto = 0;
        a.mostrarImagen = false;
    }
}

void Mesas::PriorMBtnClick()
{
    if (c.ListaMesa.visible())
        c.ListaMesa.priorPage();
}

void Mesas::NextMBtnClick()
{
    if (c.ListaMesa.visible())
        c.ListaMesa.nextPage();
}

void Mesas::Refresh()
{
    e.MesasCargadas = false;
    if (c.ListaMesa.tag() == ModoMapa::Elegir)
        ActivarSelMesa();
    else
        CargarMesas(true);
}
