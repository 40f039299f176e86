#pragma once
#include "app/Controlador.h"

/// Categories, subcategories and products of the catalogue screen.
class Catalogo : public Controlador {
    Q_OBJECT
public:
    explicit Catalogo(TTabbedForm &f);
    Q_INVOKABLE void CargarCategorias();
};
