#pragma once
#include "app/Controlador.h"
#include "app/Pestanas.h"
#include "app/Tile.h"

class Catalogo;
class LineasPedido;
class RespaldoComanda;

/// The table map: loads the tables once per session (or on refresh), shows them as
/// tiles with their open-comanda count, and in choose mode starts a comanda on the
/// tapped table.
class Mesas : public Controlador {
    Q_OBJECT
public:
    Mesas(Forma &f, Catalogo &catalogo, LineasPedido &lineas, RespaldoComanda &respaldo);

    /// Loads the tables if they are not loaded yet and shows the map in view mode.
    Q_INVOKABLE void CargarMesas(bool Todo);
    /// The map in choose mode: a tap starts a comanda.
    Q_INVOKABLE void ActivarSelMesa();
    /// "Nueva Comanda": choose a table, or go on with the comanda already begun.
    Q_INVOKABLE void NuevaComanda();
    Q_INVOKABLE void ListaMesaTileClick(int indice);
    Q_INVOKABLE void PriorMBtnClick();
    Q_INVOKABLE void NextMBtnClick();
    /// The header's refresh button on the map: fetch the tables again, keep the mode.
    Q_INVOKABLE void Refresh();

    /// The look of a table tile.
    static void ListaMesaCustomizeTile(const Forma &f, int indice, AspectoTile &a);

private:
    void MostrarMesas();

    Catalogo &m_catalogo;
    LineasPedido &m_lineas;
    RespaldoComanda &m_respaldo;
};
