#pragma once
#include "app/Controlador.h"
#include "app/Tile.h"

class TileList;

/// The catalogue screen: categories and subcategories fetched once per sign-in,
/// products fetched by filter or restored from the saved list, the search box, paging
/// and the navigation bar.
class Catalogo : public Controlador {
    Q_OBJECT
public:
    explicit Catalogo(TTabbedForm &f);

    // Categories and subcategories (Categorias.cpp).
    /// Shows the categories, fetching them first when this sign-in has not yet.
    Q_INVOKABLE void CargarCategorias();
    /// Shows the subcategories of category `ID`, from the list already held.
    Q_INVOKABLE void CargarSubCategorias(int ID);
    Q_INVOKABLE void ListaCatTileClick(int indice);
    Q_INVOKABLE void ListaSubCatTileClick(int indice);

    // Products and search (Productos.cpp).
    /// Shows the products of a filter: restored from the saved list or fetched.
    Q_INVOKABLE void CargarProductos(int Tipo, const QString &Filtro);
    Q_INVOKABLE void ListaProTileClick(int indice);
    Q_INVOKABLE void ListaProTileShowDetail(int indice);
    Q_INVOKABLE void BuscarProBtnClick();
    /// A key pressed in the search box: Enter searches.
    Q_INVOKABLE void TextoPKeyDown(int key);

    // Paging and the navigation bar (Catalogo.cpp).
    Q_INVOKABLE void PriorBtnClick();
    Q_INVOKABLE void NextBtnClick();
    Q_INVOKABLE void Btn1Click();
    Q_INVOKABLE void Btn2Click();
    Q_INVOKABLE void Btn3Click();

    /// The look of category and subcategory tiles, and of product tiles.
    static void ListaCatCustomizeTile(const TTabbedForm &f, AspectoTile &a);
    static void ListaProCustomizeTile(const TTabbedForm &f, AspectoTile &a);

private:
    /// Which of the catalogue's lists shows; the others hide.
    enum class Vista { Categorias, SubCategorias, Productos };
    /// Shows one list and resets the bars as every list switch does.
    void mostrarLista(Vista v);
    /// The navigation bar: shows one list with its segment pressed.
    void navegar(Vista v, Control &segmento);
    /// Presses one segment of the navigation bar; the others are released.
    void marcarSegmento(Control &boton);

    void mostrarCategorias();
    /// Fills ListaPro from ListaProductos; `guardar` appends a list just fetched to the saved list.
    void mostrarProductos(bool guardar);
};
