#pragma once
#include "app/Controlador.h"
#include "app/Tile.h"

class LineasPedido;

/// The modifier screen of the catalogue: up to five of the product's modifiers marked
/// on tiles, one free text, and "TERMINAR" to add the line with them.
class Modificadores : public Controlador {
    Q_OBJECT
public:
    // Positions of the fixed tiles of ListaMod.
    static constexpr int TileEncabezado = 0;
    static constexpr int PrimerModificador = 1;
    static constexpr int UltimoModificador = 10;
    static constexpr int TileOtro = 11;
    static constexpr int TileTerminar = 12;

    Modificadores(Forma &f, LineasPedido &lineas);

    /// Opens the modifier screen for product `id` (its position in ListaProductos).
    Q_INVOKABLE void MostrarModificador(int id);
    Q_INVOKABLE void ListaModTileClick(int indice);
    /// Redraws the heading tile from the pending texts.
    Q_INVOKABLE void UpdateMod();
    /// Stores the free text typed in ModPer as the sixth pending text.
    Q_INVOKABLE void ModPerBtnClick();
    /// A key pressed in ModPer (or in the customer name of the comanda): Enter stores the free text.
    Q_INVOKABLE void ModPerKeyDown(int key);

    static void ListaModCustomizeTile(const TileList &lista, int indice, AspectoTile &a);

private:
    void crearTiles();

    LineasPedido &m_lineas;
};
