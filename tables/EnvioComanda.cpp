#include "tables/EnvioComanda.h"
#include "app/Pestanas.h"
#include "app/Ajustes.h"
#include "app/TareaServicio.h"
#include "order/LineasPedido.h"
#include "order/RespaldoComanda.h"
#include "service/TextoError.h"
#include "tables/BuscarComanda.h"
#include "tables/ParteEntera.h"
#include "tables/RespuestaComanda.h"
#include "util/Textos.h"

/// How one try of the send ended.
enum class Resultado {
    Respondida,   // the server answered R (2 stored, 1 stored without a product, else refused)
    Fallida,      // the call failed before the request went out: nothing reached the server
    SinRespuesta, // the request went out and no answer came
    Encontrada,   // an earlier unanswered try is on the server: nothing was sent again
};

/// What the send task carries between its thread and the screen.
struct EnvioComanda::TareaEnvio {
    TPedido pedido; // the comanda as it was when the send started
    bool buscar = false; // an earlier try got no answer: look for it on the server first
    SeguimientoEnvio envio;  // the send state for this try
    Resultado resultado = Resultado::Respondida;
    int R = 0;      // the service's answer
    QString S;      // the message for R
    QString smsg;   // the failure of the call itself; empty when the call worked
};


EnvioComanda::EnvioComanda(Forma &form, Ajustes &ajustes, LineasPedido &lineas, RespaldoComanda &respaldo)
    : Controlador(form), m_ajustes(ajustes), m_lineas(lineas), m_respaldo(respaldo)
{
    connect(&c.ComandaBtn, &Control::clicked, this, &EnvioComanda::ComandaBtnClick);
    connect(&c.EnviarPedidoBtn, &Control::clicked, this, &EnvioComanda::EnviarPedidoBtnClick);
    connect(&c.PedidoCancelarBtn, &Control::clicked, this, &EnvioComanda::PedidoCancelarBtnClick);
}

void EnvioComanda::ComandaBtnClick()
{
    if (f.activeTab() == Pestana::TabComanda) {
        f.setActiveTab(Pestana::TabListaCat);
        // The header and the capture bar follow the screen: without this the add button
        // would stay hidden on the catalogue.
        f.Validar();
    } else {
        m_lineas.LlenarPedido();
        f.setActiveTab(Pestana::TabComanda);
        c.ToolBarCap.setVisible(false);
        f.Validar();
    }
    f.QuitarCategoTileList();
}

void EnvioComanda::EnviarPedidoBtnClick()
{
    f.dialogos.Confirmar(QStringLiteral("¿Surtir la Comanda?"), [this] { EnviarPedidoBtnMain(); });
}

void EnvioComanda::EnviarPedidoBtnMain()
{
    // After a try without an answer, the comanda is resent exactly as it went.
    const bool buscar = e.Envio.estado == EstadoEnvio::SinConfirmar;
    if (!buscar) {
        e.PedidoActual.ReferenciaPago = Recortar(c.Nombre.text());
        e.PedidoActual.NuEstado = int(ParteEntera(c.Per.value()));
    }

    auto t = std::make_shared<TareaEnvio>();
    t->pedido = e.PedidoActual;
    t->buscar = buscar;
    t->envio = e.Envio;
    t->envio.firma = FirmaDe(t->pedido);
    IniciarTareaConFin(
        f, {QStringLiteral("Enviando Comanda"), QStringLiteral("Enviando Comanda"), {}},
        [this, t](Llamada &ll) { Enviar(ll, *t); }, [this, t](const QString &) { TerminarEnvio(*t); });
}

void EnvioComanda::Enviar(Llamada &ll, TareaEnvio &t)
{
    if (ll.demo) {
        t.R = ComandaGuardada;
        return;
    }
    const auto servicio = ll.itrazen();
    // The server's open comandas tell whether an unanswered try arrived, and which of
    // them already looked like this one before the first try.
    std::optional<TListaInfo1> abiertas;
    std::exception_ptr errorLista;
    if (t.buscar)
        ll.espera(QStringLiteral("Buscando la comanda en el servidor"));
    try {
        // NuMesero is always 1: every waiter sees every comanda.
        abiertas = servicio->ListaComandas(ll.user, ll.pass, 1).value_or(TListaInfo1{});
    } catch (...) {
        errorLista = std::current_exception();
    }
    if (errorLista && !t.buscar && SinConexion(errorLista)) {
        // The server cannot be reached: the send would wait for it all over again.
        t.resultado = Resultado::Fallida;
        t.S = MensajeErrorEnvio(TextoError(errorLista));
        t.smsg = t.S;
        t.R = 6;
        return;
    }
    if (t.buscar) {
        if (errorLista) {
            t.resultado = Resultado::SinRespuesta;
            t.envio.mensaje = QStringLiteral("no se pudo consultar al servidor: ") + TextoError(errorLista);
            return;
        }
        if (ComandaEnServidor(*abiertas, t.envio.firma, t.envio.previas)) {
            t.resultado = Resultado::Encontrada;
            return;
        }
    } else {
        t.envio.previas = abiertas ? std::optional(ComandasIguales(*abiertas, t.envio.firma)) : std::nullopt;
    }

    // From here on the comanda may reach the server: that is on the disk before it goes.
    t.envio.estado = EstadoEnvio::Enviando;
    ll.ui([&] {
        e.Envio = t.envio;
        m_respaldo.Guardar();
        f.UpdateEspera(QStringLiteral("Enviando Comanda"));
    });
    m_respaldo.esperar();
    try {
        t.R = servicio->Guardar_Comanda(ll.user, ll.pass, t.pedido);
        t.resultado = Resultado::Respondida;
    } catch (const std::exception &err) {
        if (SinRespuesta(err)) {
            t.resultado = Resultado::SinRespuesta;
            t.envio.mensaje = TextoError(err);
        } else {
            t.resultado = Resultado::Fallida;
            t.S = MensajeErrorEnvio(TextoError(err));
            t.smsg = t.S;
            t.R = 6;
        }
    }
    if (t.resultado == Resultado::Respondida)
        t.S = MensajeGuardarComanda(t.R);
}

void EnvioComanda::TerminarEnvio(TareaEnvio &t)
{
    f.ActivityDialog1.hide();
    f.DesCargarEspera();
    switch (t.resultado) {
    case Resultado::Encontrada:
        ComandaEnviada(QStringLiteral("Comanda encontrada en el servidor: "));
        return;
    case Resultado::SinRespuesta:
        e.Envio = t.envio;
        e.Envio.estado = EstadoEnvio::SinConfirmar;
        m_respaldo.Guardar();
        f.Validar();
        f.MostrarMensaje(TextoSinConfirmar + QStringLiteral(" (") + t.envio.mensaje
                         + QStringLiteral("). Surtir Comanda la busca en el servidor antes de enviarla de nuevo; "
                                          "Cancelar Comanda la descarta"));
        return;
    case Resultado::Fallida:
        // Nothing reached the server: the comanda is as it was before the try.
        return QuedarSinEnviar(t, EstadoEnvio::Componiendo, t.smsg);
    case Resultado::Respondida:
        break;
    }
    if (t.R == ComandaGuardada) {
        ComandaEnviada(QStringLiteral("Comanda enviada: "));
    } else if (t.R == ComandaGuardadaSinProducto) {
        // The server stored the comanda without the products it could not take: sending
        // it again would store it twice.
        ComandaEnviada(QStringLiteral("Comanda enviada: "));
        f.MostrarMensaje(t.S + QStringLiteral(". La comanda se guardó sin ese producto: revísela en la Lista de Comandas"));
    } else {
        QuedarSinEnviar(t, EstadoEnvio::Rechazada, t.S);
    }
}

void EnvioComanda::QuedarSinEnviar(const TareaEnvio &t, EstadoEnvio estado, const QString &mensaje)
{
    e.Envio = t.envio;
    e.Envio.estado = estado;
    e.Envio.mensaje = mensaje;
    m_respaldo.Guardar();
    f.Validar();
    f.MostrarMensaje(mensaje);
}

void EnvioComanda::ComandaEnviada(const QString &aviso)
{
    // The table's count goes up at once, so the map shows it without asking the server.
    const int numero = e.PedidoActual.NuPaso;
    QString mesaNombre = e.MesaPedido;
    TListaInfo1 &mesas = e.ListaMesasActual;
    const qsizetype n = std::min<qsizetype>(mesas.Count, mesas.ArrayInfo1.size());
    for (qsizetype i = 0; i < n; ++i) {
        std::optional<TInfo1> &mesa = mesas.ArrayInfo1[i];
        if (mesa && mesa->DB == numero) {
            mesa->Cant += 1;
            AddComanda(4, numero, int(ParteEntera(c.Per.value())), c.Nombre.text(), mesa->Nombre,
                       e.PedidoActual.Total);
            mesaNombre = mesa->Nombre;
            break;
        }
    }
    NuevaComanda();
    c.Nombre.setText({});
    c.Per.setValue(1);
    f.Validar();
    m_ajustes.SaveProductos();
    f.MenuTileClick();
    // A short word on the main menu that needs no tap.
    c.AvisoComanda.setText({});
    c.AvisoComanda.setText(mesaNombre.isEmpty() ? aviso.chopped(2) : aviso + mesaNombre);
}

void EnvioComanda::NuevaComanda()
{
    e.PedidoActual = PedidoNuevo();
    e.MesaPedido.clear();
    e.Envio = {};
    m_lineas.LlenarPedido(); // also removes the saved comanda
}

void EnvioComanda::PedidoCancelarBtnClick()
{
    f.dialogos.Confirmar(QStringLiteral("¿Desea Cancelar la Comanda?"), [this] {
        CerrarPedido();
        f.MenuTileClick();
    });
}

void EnvioComanda::CerrarPedido()
{
    NuevaComanda();
    f.Validar();
}

void EnvioComanda::AddComanda(int N, int NuMesa, int Personas, const QString &Cte, const QString &Mesa, double Total)
{
    AddComanda(e.ListaComandasActual, N, NuMesa, Personas, Cte, Mesa, Total);
}

void EnvioComanda::AddComanda(TListaInfo1 &lista, int N, int NuMesa, int Personas, const QString &Cte,
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
