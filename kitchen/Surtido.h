#pragma once
#include "app/Controlador.h"

/// Ready-dish polling and its notification.
class Surtido : public Controlador {
    Q_OBJECT
public:
    explicit Surtido(TTabbedForm &f);
    Q_INVOKABLE void Refresh();
};
