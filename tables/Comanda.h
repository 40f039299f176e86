#pragma once
#include "app/Controlador.h"

/// Sending and cancelling the comanda.
class Comanda : public Controlador {
    Q_OBJECT
public:
    explicit Comanda(TTabbedForm &f);
    Q_INVOKABLE void ComandaBtnClick();

    /// Appends one entry to a comanda list.
    static void AddComanda(TListaInfo1 &lista, int N, int NuMesa, int Personas, const QString &Cte,
                           const QString &Mesa, double Total);
};
