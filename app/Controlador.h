#pragma once
#include "app/TTabbedForm.h"
#include <QObject>

/// Base of the subsystems' controllers: each holds the handlers of one subsystem and
/// reaches the state, the controls and the other controllers through the form.
class Controlador : public QObject {
    Q_OBJECT
public:
    explicit Controlador(TTabbedForm &form)
        : f(form), e(form.estado), c(form.controles)
    {
    }

protected:
    TTabbedForm &f;
    Estado &e;
    Controles &c;
};
