#pragma once
#include "app/Controlador.h"
#include "app/Tile.h"

/// The shell's navigation: the header rule `Validar`, the main menu, the drawer items,
/// the back button and the device back key, and the resets of the tile lists.
class Navegacion : public Controlador {
    Q_OBJECT
public:
    static constexpr int VersionMinimaMenu = 10077; // tiles 4, 5 and 6 need it

    explicit Navegacion(TTabbedForm &f);

    /// Recomputes header title and buttons, drawer items and segmented buttons.
    Q_INVOKABLE void Validar();
    Q_INVOKABLE void EmpresaBtnClick();
    Q_INVOKABLE void MenuTileClick() { EmpresaBtnClick(); }
    Q_INVOKABLE void ConfigurarBtnClick();
    Q_INVOKABLE void CerrarSessionBtnClick();
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

    void CambiarFondo();
    void QuitarFondoTileList();
    void QuitarCategoTileList();

    /// The look of a main-menu tile.
    static void TileCustomizeTile(const TTabbedForm &f, int indice, AspectoTile &a);

private:
    void crearMenu();
};
