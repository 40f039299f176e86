#pragma once
#include "app/Controlador.h"

/// The waiter's sales summary: comandas waiting and finished, tips and total, asked of
/// the service every time the screen is opened.
class Resumen : public Controlador {
    Q_OBJECT
public:
    explicit Resumen(Forma &f);
    /// The main menu tile "Resumen": loads the figures, then shows the summary screen.
    Q_INVOKABLE void ResumenMesero();
};
