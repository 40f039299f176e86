#pragma once
#include "app/Controlador.h"

/// The list of open comandas.
class ListaComandasCtl : public Controlador {
    Q_OBJECT
public:
    explicit ListaComandasCtl(TTabbedForm &f);
    Q_INVOKABLE void ListaComandas();
};
