#include "tables/Comanda.h"
#include "app/Ajustes.h"
#include "app/Navegacion.h"
#include "order/Pedido.h"
#include "tables/ParteEntera.h"
#include "tables/RespuestaComanda.h"
#include "tables/TextoError.h"
#include "util/Textos.h"

namespace {
/// What the send task carries between its thread and the screen.
struct TareaEnvio {
    QString user, pass;
    TPedido pedido; // the comanda as it was when the send started
    int R = 0;      // the service's answer
    QString S;      // the message for R
    QString SMsg;   // the failure of the call itself; empty when the call worked
    bool Exito = false;
};
} // namespace

Comanda::Comanda(TTabbedForm &form)
    : Controlador(form)
{
    connect(&c.ComandaBtn, &Control::pulsado, this, &Comanda::ComandaBtnClick);
    connect(&c.EnviarPedidoBtn, &Control::pulsado, this, &Comanda::EnviarPedidoBtnClick);
    connect(&c.PedidoCancelarBtn, &Control::pulsado, this, &Comanda::PedidoCancelarBtnClick);
}

void Comanda::ComandaBtnClick()
{
    if (f.activeTab() == u"TabComanda") {
        f.setActiveTab(QStringLiteral("TabListaCat"));
        // The header and the capture bar follow the screen: without this the add button
        // would stay hidden on the catalogue.
        f.navegacion().Validar();
    } else {
        f.pedido().LlenarPedido();
        f.setActiveTab(QStringLiteral("TabComanda"));
        c.ToolBarCap.setVisible(false);
        f.navegacion().Validar();
    }
    f.navegacion().QuitarCategoTileList();
}

void Comanda::EnviarPedidoBtnClick()
{
    f.dialogos.Confirmar(QStringLiteral("¿Surtir la Comanda?"), [this] { EnviarPedidoBtnMain(); });
}

void Comanda::EnviarPedidoBtnMain()
{
    e.PedidoActual.ReferenciaPago = Recortar(c.Nombre.text());
    e.PedidoActual.NuEstado = int(ParteEntera(c.Per.value()));

    auto t = std::make_shared<TareaEnvio>();
    t->user = c.iUser.text();
    t->pass = c.iPass.text();
    t->pedido = e.PedidoActual;
    f.tareas.iniciar(
        [this, t](const Paso &paso) {
            bool demo = false;
            paso.ui([&] {
                f.MostrarActividad(QStringLiteral("Enviando Comanda"), QStringLiteral("Enviando Comanda"));
                demo = e.ModoDemo;
            });
            if (demo) {
                t->R = ComandaGuardada;
            } else {
                try {
                    t->R = f.SoapClient1().itrazen()->Guardar_Comanda(t->user, t->pass, t->pedido);
                } catch (const std::exception &err) {
                    t->S = MensajeErrorEnvio(tablas::textoError(err));
                    t->SMsg = t->S;
                    t->R = 6;
                }
            }
            t->Exito = t->R == ComandaGuardada;
            if (t->SMsg.isEmpty())
                t->S = MensajeGuardarComanda(t->R);
        },
        [this, t] {
            if (!f.QuitarActividad(t->SMsg))
                return;
            if (t->Exito)
                ComandaEnviada();
            else
                f.MostrarMensaje(t->S);
        });
}

void Comanda::ComandaEnviada()
{
    // The table's count goes up at once, so the map shows it without asking the server.
    const int numero = e.PedidoActual.NuPaso;
    TListaInfo1 &mesas = e.ListaMesasActual;
    const qsizetype n = std::min<qsizetype>(mesas.Count, mesas.ArrayInfo1.size());
    for (qsizetype i = 0; i < n; ++i) {
        std::optional<TInfo1> &mesa = mesas.ArrayInfo1[i];
        if (mesa && mesa->DB == numero) {
            mesa->Cant += 1;
            AddComanda(4, numero, int(ParteEntera(c.Per.value())), c.Nombre.text(), mesa->Nombre,
                       e.PedidoActual.Total);
            break;
        }
    }
    e.PedidoActual = PedidoNuevo();
    f.pedido().LlenarPedido();
    c.Nombre.setText({});
    c.Per.setValue(1);
    f.navegacion().Validar();
    f.ajustes().SaveProductos();
    f.navegacion().MenuTileClick();
}

void Comanda::PedidoCancelarBtnClick()
{
    f.dialogos.Confirmar(QStringLiteral("¿Desea Cancelar la Comanda?"), [this] {
        CerrarPedido();
        f.navegacion().MenuTileClick();
    });
}

void Comanda::CerrarPedido()
{
    e.PedidoActual = PedidoNuevo();
    f.pedido().LlenarPedido();
    f.navegacion().Validar();
}

void Comanda::AddComanda(int N, int NuMesa, int Personas, const QString &Cte, const QString &Mesa, double Total)
{
    AddComanda(e.ListaComandasActual, N, NuMesa, Personas, Cte, Mesa, Total);
}

void Comanda::AddComanda(TListaInfo1 &lista, int N, int NuMesa, int Personas, const QString &Cte,
                         const QString &Mesa, double Total)
{
    // The new entry goes right after the entries the array holds: a received Count below 0
    // or beyond the array must neither write before its start nor grow it without end.
    lista.Count = int(std::clamp<qsizetype>(lista.Count, 0, lista.ArrayInfo1.size())) + 1;
    lista.SetLengthList(lista.Count);
    TInfo1 &i = lista.ArrayInfo1[lista.Count - 1].emplace();
    i.DB = N;
    i.NuAlmacen = NuMesa;
    i.Cant = Personas;
    i.Nombre = Cte;
    i.Sucursal = Mesa;
    i.Total = Total;
}
