#pragma once
#include "app/Controlador.h"
#include "app/SeguimientoEnvio.h"

class Ajustes;
class LineasPedido;
class Llamada;
class RespaldoComanda;
struct TListaInfo1;

/// The comanda screen: switching to it, sending the comanda to the server (once: a try
/// that got no answer is looked for on the server before it is sent again) and
/// cancelling it, the local list of comandas sent, and the comanda kept on the disk.
class EnvioComanda : public Controlador {
    Q_OBJECT
public:
    EnvioComanda(Forma &f, Ajustes &ajustes, LineasPedido &lineas, RespaldoComanda &respaldo);

    /// The header's comanda button: toggles between the catalogue and the comanda screen.
    Q_INVOKABLE void ComandaBtnClick();
    /// "Surtir Comanda": asks, then sends.
    Q_INVOKABLE void EnviarPedidoBtnClick();
    /// Sends the comanda in a background task (name and persons taken from the screen).
    Q_INVOKABLE void EnviarPedidoBtnMain();
    /// "Cancelar Comanda": asks, then discards the comanda and shows the main menu.
    Q_INVOKABLE void PedidoCancelarBtnClick();
    /// Discards the comanda; the name and persons stay as typed.
    Q_INVOKABLE void CerrarPedido();

    /// Appends one entry to the local comanda list.
    void AddComanda(int N, int NuMesa, int Personas, const QString &Cte, const QString &Mesa, double Total);
    /// Appends one entry to a comanda list.
    static void AddComanda(TListaInfo1 &lista, int N, int NuMesa, int Personas, const QString &Cte,
                           const QString &Mesa, double Total);


private:
    struct TareaEnvio;
    void Enviar(Llamada &ll, TareaEnvio &t);
    void TerminarEnvio(TareaEnvio &t);
    /// The success steps; `aviso` starts the word shown on the main menu.
    void ComandaEnviada(const QString &aviso);
    /// The try stored nothing: the comanda stays on screen in `estado`, the waiter is told why.
    void QuedarSinEnviar(const TareaEnvio &t, EstadoEnvio estado, const QString &mensaje);
    /// A fresh comanda in place of the one composed.
    void NuevaComanda();

    Ajustes &m_ajustes;
    LineasPedido &m_lineas;
    RespaldoComanda &m_respaldo;
};
