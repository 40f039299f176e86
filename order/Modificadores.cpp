#include "order/Modificadores.h"
#include "app/Pestanas.h"
#include "order/LineasPedido.h"
#include "order/Pendientes.h"
#include "order/TextoLinea.h"
#include "util/Textos.h"
#include <stdexcept>

Modificadores::Modificadores(Forma &form, LineasPedido &lineas)
    : Controlador(form), m_lineas(lineas)
{
    crearTiles();
    c.ModPerBtn.setText(QStringLiteral("OK"));
    c.ListaMod.setCustomizer(&Modificadores::ListaModCustomizeTile);
    connect(&c.ListaMod, &TileList::clicked, this, &Modificadores::ListaModTileClick);
    connect(&c.ModPerBtn, &Control::clicked, this, &Modificadores::ModPerBtnClick);
}

void Modificadores::crearTiles()
{
    c.ListaMod.beginUpdate();
    c.ListaMod.clear();
    Tile encabezado;
    encabezado.colSpan = 3;
    encabezado.rowSpan = 2;
    encabezado.selectable = false;
    c.ListaMod.add(encabezado);
    for (int k = PrimerModificador; k <= UltimoModificador; ++k) {
        Tile t;
        t.caption = QStringLiteral("Esp") + QString::number(k);
        c.ListaMod.add(t);
    }
    Tile otro;
    otro.caption = QStringLiteral("OTRO");
    c.ListaMod.add(otro);
    Tile terminar;
    terminar.caption = QStringLiteral("TERMINAR");
    c.ListaMod.add(terminar);
    c.ListaMod.endUpdate();
}

void Modificadores::MostrarModificador(int id)
{
    // Each step reports its own failure and the opening goes on.
    const auto paso = [this](const char *error, const std::function<void()> &accion) {
        try {
            accion();
        } catch (const std::exception &) {
            if (error)
                f.dialogos.MensajeSimple(QString::fromLatin1(error));
        }
    };
    const auto producto = [this, id]() -> const TProducto & {
        const auto &lista = e.ListaProductos.ArrayProducto;
        if (id < 0 || id >= lista.size() || !lista[id])
            throw std::out_of_range("producto");
        return *lista[id];
    };

    paso("error M1", [&] {
        c.ListaCat.setVisible(false);
        c.ListaSubCat.setVisible(false);
        c.ListaPro.setVisible(false);
        c.ListaMod.setVisible(true);
        f.setActiveTab(Pestana::TabListaCat);
        c.ToolBarOtro.setEnabled(false);
    });
    paso("error M2", [&] { f.QuitarCategoTileList(); });
    QString texto;
    paso("error M4", [&] { texto = TextoProducto(producto()); });
    paso(nullptr, [&] {
        e.ProductoModificador = texto;
        e.EncabezadoModificador = QStringLiteral("Seleccione Modificador para\r") + texto;
        c.ListaMod.modify(TileEncabezado, [&](Tile &t) { t.caption = e.EncabezadoModificador; });
    });
    paso("error M5", [&] {
        const TProducto &p = producto();
        for (int k = PrimerModificador; k <= UltimoModificador; ++k)
            c.ListaMod.modify(k, [&](Tile &t) { t.caption = p.Mod(k); });
    });
    paso("error M6", [&] {
        const TProducto &p = producto();
        for (int k = PrimerModificador; k <= UltimoModificador; ++k)
            c.ListaMod.modify(k, [&](Tile &t) { t.selectable = TieneTexto(p.Mod(k)); });
    });
    paso("error M7", [&] {
        for (int k = PrimerModificador; k <= UltimoModificador; ++k)
            c.ListaMod.modify(k, [](Tile &t) { t.tag = 0; });
    });
    // The search, the quantity and the add button belong to the products: they go while the
    // modifiers show, and the bar's segments are held.
    f.Validar();
}

void Modificadores::ListaModTileClick(int indice)
{
    if (indice < 0 || indice >= c.ListaMod.count() || !c.ListaMod.tile(indice).selectable)
        return;
    if (indice >= PrimerModificador && indice <= UltimoModificador) {
        const QString texto = c.ListaMod.tile(indice).caption;
        const int marca = AlternarModificador(e.EspPendiente, texto);
        // Modifiers with the same text act as one: they are marked and unmarked together.
        for (int k = PrimerModificador; k <= UltimoModificador; ++k)
            if (c.ListaMod.tile(k).caption == texto)
                c.ListaMod.modify(k, [&](Tile &t) { t.tag = marca; });
        UpdateMod();
    } else if (indice == TileOtro) {
        c.ToolBarOtro.setEnabled(true);
        c.ModPer.setFocus(true);
    } else if (indice == TileTerminar) {
        c.ListaPro.setVisible(true);
        c.ListaMod.setVisible(false);
        m_lineas.AddPedClick(false);
    }
}

void Modificadores::UpdateMod()
{
    const QString encabezado = EncabezadoModificadores(e.EncabezadoModificador, e.ProductoModificador, e.EspPendiente);
    c.ListaMod.modify(TileEncabezado, [&](Tile &t) { t.caption = encabezado; });
}

void Modificadores::ModPerBtnClick()
{
    e.EspPendiente[5] = c.ModPer.text();
    c.ModPer.setText({});
    UpdateMod();
    c.ToolBarOtro.setEnabled(false);
}

void Modificadores::ModPerKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == 13)
        ModPerBtnClick();
}

void Modificadores::ListaModCustomizeTile(const TileList &lista, int indice, AspectoTile &a)
{
    a.relleno = QColor::fromRgba(lista.tile(indice).tag != 0 ? 0xFFFFFF00 : 0xFFFFFFFF);
    a.colorTexto = QColor::fromRgba(0xFF000000);
    a.lineasTexto = 0; // the caption fills the tile
    a.margenIzq = 0;
    a.margenDer = 2;
    a.margenSup = 3;
    a.margenInf = 0;
    a.mostrarImagen = false;
}
