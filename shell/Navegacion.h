#pragma once
#include "app/Controlador.h"
#include "app/Tile.h"

class Ajustes;
class ComandasAbiertas;
class Mesas;
class Resumen;
class Sesion;
class Surtido;

/// Where the taps of the shell go: the main menu's tiles, the header's OK and refresh
/// buttons, the back button and the device back key, and the drawer's items.
class Navegacion : public Controlador {
    Q_OBJECT
public:
    static constexpr int VersionMinimaMenu = 10077; // tiles 4, 5 and 6 need it

    /// The subsystems the shell's buttons lead to.
    struct Destinos {
        Ajustes &ajustes;
        Sesion &sesion;
        Mesas &mesas;
        ComandasAbiertas &comandasAbiertas;
        Surtido &surtido;
        Resumen &resumen;
    };

    Navegacion(Forma &f, Destinos destinos);

    Q_INVOKABLE void BackBtn2Click();
    /// A key released: the device back key (and Escape on a desktop) steps back. Answers
    /// true when the key is swallowed.
    Q_INVOKABLE bool FormKeyUp(int key);
    Q_INVOKABLE void TileTileClick(int indice);
    /// OK in the header: signs in on the sign-in screen, stores the connection settings on
    /// the connection screen.
    Q_INVOKABLE void OKBtnClick();
    /// Refresh in the header: the table map or the ready dishes.
    Q_INVOKABLE void RefreshBtnClick();

    /// The look of a main-menu tile.
    static void TileCustomizeTile(const Forma &f, int indice, AspectoTile &a);

private:
    void crearMenu();

    Destinos m_destinos;
};
