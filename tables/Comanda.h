#pragma once
#include "app/Controlador.h"

/// The comanda screen: switching to it, sending the comanda to the server and
/// cancelling it, and the local list of comandas sent.
class Comanda : public Controlador {
    Q_OBJECT
public:
    explicit Comanda(TTabbedForm &f);

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
    void ComandaEnviada();
};
