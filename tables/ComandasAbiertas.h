#pragma once
#include "app/Controlador.h"

/// The list of open comandas: fetched fresh each time the screen opens (the local list
/// in demo mode) and shown grouped by table with each table's total.
class ComandasAbiertas : public Controlador {
    Q_OBJECT
public:
    explicit ComandasAbiertas(Forma &f);
    Q_INVOKABLE void ListaComandas();

private:
    void MostrarComandas();
};
