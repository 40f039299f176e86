#pragma once
#include "app/Controlador.h"

/// The waiter's sales summary.
class Resumen : public Controlador {
    Q_OBJECT
public:
    explicit Resumen(TTabbedForm &f);
    Q_INVOKABLE void ResumenMesero();
};
