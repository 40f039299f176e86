#include "tables/Mesas.h"
#include "app/Pestanas.h"
#include "tables/EnvioComanda.h"
#include "app/Navegacion.h"
#include "catalogue/Catalogo.h"
#include "tables/TextoError.h"
#include "tables/TileMesa.h"

namespace {
/// What the table task carries between its thread and the screen.
struct TareaMesas {
    QString user, pass;
    QString smsg;
};
} // namespace

Mesas::Mesas(TTabbedForm &form)
    : Controlador(form)
{
    connect(&c.ListaMesa, &TileList::tocado, this, &Mesas::ListaMesaTileClick);
    connect(&c.PriorMBtn, &Control::pulsado, this, &Mesas::PriorMBtnClick);
    connect(&c.NextMBtn, &Control::pulsado, this, &Mesas::NextMBtnClick);
    c.ListaMesa.setDibujo([this](const TileList &, int i, AspectoTile &a) { ListaMesaCustomizeTile(f, i, a); });
}

void Mesas::CargarMesas(bool)
{
    c.ToolBarMesa.setVisible(false);
    c.ListaMesa.setTag(ModoVer);
    c.ListaMesa.setVisible(true);
    c.ListaMesa.clear();
    c.ListaMesa.hideHeaderFooter();

    auto t = std::make_shared<TareaMesas>();
    t->user = c.iUser.text();
    t->pass = c.iPass.text();
    f.tareas.iniciar(
        [this, t](const Paso &paso) {
            bool cargadas = false, demo = false;
            paso.ui([&] {
                f.MostrarActividad(QStringLiteral("Cargando"), QStringLiteral("Inicializando"));
                cargadas = e.MesasCargadas;
                demo = e.ModoDemo;
            });
            if (!cargadas) {
                paso.ui([&] { f.UpdateEspera(QStringLiteral("Obteniendo Mesas")); });
                if (!demo) {
                    try {
                        // NuMesero is always 1: every waiter sees every table.
                        auto lista = f.SoapClient1().itrazen()->ListaMesas(t->user, t->pass, 1);
                        paso.ui([&] { e.ListaMesasActual = lista.value_or(TListaInfo1{}); });
                    } catch (const std::exception &err) {
                        t->smsg = QStringLiteral("Error al obtener mesas ") + tablas::textoError(err);
                        return;
                    }
                }
                paso.ui([&] { e.MesasCargadas = true; });
            }
            paso.ui([&] { f.UpdateEspera(QStringLiteral("Generando Mesas")); });
        },
        [this, t] {
            if (!f.QuitarActividad(t->smsg))
                return;
            MostrarMesas();
        });
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
    f.navegacion().Validar();
}

void Mesas::ActivarSelMesa()
{
    CargarMesas(true);
    // Both at once: the task reads the mode only in its final step.
    c.ToolBarMesa.setVisible(true);
    c.ListaMesa.setTag(ModoElegir);
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
    f.catalogo().CargarCategorias();
    f.setActiveTab(Pestana::TabListaCat);
    f.navegacion().QuitarCategoTileList();
}

void Mesas::ListaMesaTileClick(int indice)
{
    if (c.ListaMesa.tag() != ModoElegir || indice < 0 || indice >= c.ListaMesa.count())
        return;
    if (f.envioComanda().Bloqueada())
        return;
    const int numero = c.ListaMesa.tile(indice).tag;
    const QString nombre = c.ListaMesa.tile(indice).caption;
    f.setActiveTab(Pestana::TabListaCat);
    // The lines already in the comanda stay; only its table changes.
    e.PedidoActual.NuPaso = numero;
    e.PedidoActual.ReferenciaPago = nombre;
    e.MesaPedido = nombre;
    f.envioComanda().respaldo().Guardar();
    f.catalogo().CargarCategorias();
}

void Mesas::ListaMesaCustomizeTile(const TTabbedForm &f, int, AspectoTile &a)
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
    if (c.ListaMesa.tag() == ModoElegir)
        ActivarSelMesa();
    else
        CargarMesas(true);
}
