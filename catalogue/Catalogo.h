#pragma once
#include "app/Controlador.h"
#include "app/Tile.h"
#include "catalogue/EscritorFotos.h"
#include "catalogue/IndiceGuardados.h"
#include "catalogue/PreparacionProductos.h"
#include <QTimer>

class TileList;

/// The catalogue screen: categories and subcategories fetched once per sign-in,
/// products fetched by filter or restored from the saved list, the search box (the
/// search button asks the service; typing searches the products already known), paging
/// and the navigation bar.
class Catalogo : public Controlador {
    Q_OBJECT
public:
    explicit Catalogo(Forma &f);

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
    /// The waiter typed in the search box: the products already known that match show at
    /// once (Busqueda.cpp); nothing is asked of the service.
    Q_INVOKABLE void TextoPChange();

    /// Waits for the product pictures still being written and names them in the saved list.
    void terminarFotos();
    /// Product pictures queued and not yet written.
    [[nodiscard]] int fotosPendientes() const { return m_escritor.pendientes(); }
    /// The instant search sees the saved list as it is.
    [[nodiscard]] bool guardadosAlDia() const { return m_guardados.alDia(); }

    // Paging and the navigation bar (Catalogo.cpp).
    Q_INVOKABLE void PriorBtnClick();
    Q_INVOKABLE void NextBtnClick();
    Q_INVOKABLE void Btn1Click();
    Q_INVOKABLE void Btn2Click();
    Q_INVOKABLE void Btn3Click();

    /// The look of category and subcategory tiles, and of product tiles.
    static void ListaCatCustomizeTile(const Forma &f, AspectoTile &a);
    static void ListaProCustomizeTile(const Forma &f, AspectoTile &a);

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

    struct TareaProductos;
    /// Puts the tiles made by the task in ListaPro, counts the saved records it filled and
    /// queues the pictures for their files.
    void mostrarProductos(TareaProductos &t);
    /// Makes `lista` the held ListaProductos; `lista` is left holding the one it replaced.
    void tomarLista(TListaProducto &lista, bool restaurada, const QString &filtro);
    /// Names in the saved records the pictures written since last time. While a task runs
    /// the saved list is the task's: the names wait for its end, unless it is the task asking.
    void nombrarFotos(bool desdeLaTarea);

    // The instant search (Busqueda.cpp).
    /// The tiles shown for the held list are those of ListaProductos as it is.
    [[nodiscard]] bool mostradosVigentes() const;
    /// Shows the known products holding every word.
    void buscarConocidos(const QStringList &palabras);
    /// Back to the list shown before the typing began; the products it added to
    /// ListaProductos leave it.
    void terminarBusqueda();

    /// What ListaPro shows for the held list, kept for the instant search.
    struct Mostrados {
        ProductosListos listos;
        QString filtro;            // the UltimoFiltro they answer
        int count = -1;            // and the ListaProductos they were made from
        const void *datos = nullptr;
    };
    Mostrados m_mostrados;

    /// One instant search, from the first keystroke to an empty text, a button search or a tap.
    struct SesionBusqueda {
        bool activa = false;
        QStringList palabras;
        qsizetype base = 0;          // ListaProductos' length and Count before the search added to it
        int count = 0;
        QList<Tile> antes;           // the tiles shown before, with their page and selection
        int pagina = 0, seleccion = -1;
        QList<Tile> extra;           // tiles of saved products added to ListaProductos
        QHash<QString, int> extraPorId; // by IdentidadProducto
    };
    SesionBusqueda m_sesion;

    EscritorFotos m_escritor;
    QTimer m_nombrar;
    IndiceGuardados m_guardados;
};
