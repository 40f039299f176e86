#pragma once
#include "app/Controlador.h"

/// The modifier screen of the catalogue.
class Modificadores : public Controlador {
    Q_OBJECT
public:
    explicit Modificadores(TTabbedForm &f);
};
