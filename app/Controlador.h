#pragma once
#include "app/Forma.h"
#include <QObject>

/// Base of the subsystems' controllers: each holds the handlers of one subsystem and
/// reaches the state, the controls and the shared rules through the model. The other
/// controllers it needs are named in its own constructor.
class Controlador : public QObject {
    Q_OBJECT
public:
    explicit Controlador(Forma &forma)
        : f(forma), e(forma.estado), c(forma.controles)
    {
    }

protected:
    Forma &f;
    Estado &e;
    Controles &c;
};
