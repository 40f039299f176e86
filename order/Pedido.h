#pragma once
#include "app/Controlador.h"

/// The lines of the comanda being composed.
class Pedido : public Controlador {
    Q_OBJECT
public:
    explicit Pedido(TTabbedForm &f);
    Q_INVOKABLE void LlenarPedido();
};
