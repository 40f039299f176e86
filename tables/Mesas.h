#pragma once
#include "app/Controlador.h"

/// The table map.
class Mesas : public Controlador {
    Q_OBJECT
public:
    explicit Mesas(TTabbedForm &f);
    Q_INVOKABLE void NuevaComanda();
    Q_INVOKABLE void CargarMesas(bool Todo);
    Q_INVOKABLE void Refresh();
};
