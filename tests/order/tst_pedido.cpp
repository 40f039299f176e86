#include "catalogue/MenuPrueba.h"
#include "order/LineasPedido.h"
#include "order/Pendientes.h"
#include <QtTest>

/// Lines of the comanda: adding the selected product, the comanda list and its total,
/// editing a quantity and deleting lines. The fake server's company has IVA included.
class TstPedido : public QObject {
    Q_OBJECT

    /// A form signed in to the fake server, showing `lista` on the catalogue screen.
    static std::unique_ptr<FormaPrueba> conProductos(const TListaProducto &lista)
    {
        auto p = std::make_unique<FormaPrueba>(FormaPrueba::iniServidor());
        if (!menu::mostrarProductos(*p, lista))
            return nullptr;
        p->f.setActiveTab(QStringLiteral("TabListaCat"));
        return p;
    }

    /// Selects the product tile and taps the add button with that quantity.
    static void agregar(FormaPrueba &p, int tile, const QString &cantidad = QStringLiteral("1"))
    {
        p.f.controles.ListaPro.click(tile);
        p.f.controles.Cantidad.edit(cantidad);
        p.f.controles.AddPed.click();
    }

    static QList<int> numeros(const TPedido &ped)
    {
        QList<int> r;
        for (const auto &d : ped.ArrayDetalle)
            r << d->NuDetalle;
        return r;
    }

private slots:
    void lineaConModificadoresYTextoLibre()
    {
        TProducto tacos = menu::producto("7501", "TACOS", 58);
        tacos.Fabricante = QStringLiteral("de la casa");
        auto p = conProductos(menu::productos({tacos, menu::producto("7502", "Agua", 20)}));
        QVERIFY(p);
        auto &c = p->f.controles;
        auto &e = p->f.estado;
        c.ListaPro.click(0);
        e.EspPendiente = {"sin cebolla", "extra salsa", "", "", "", "para llevar"};
        c.Cantidad.edit(QStringLiteral("2"));
        c.AddPed.click();

        QCOMPARE(c.ListPed.count(), 1);
        QCOMPARE(c.ListPed.fila(0).texto, QStringLiteral("TACOS de la casa\r ** sin cebolla ** extra salsa\r ** para llevar"));
        QCOMPARE(c.ListPed.fila(0).detalle, QStringLiteral("2 X\r$ 116.00"));
        QCOMPARE(c.EditTotal.text(), QStringLiteral("116.00"));
        QCOMPARE(c.LabelInfo.text(), QStringLiteral("[1]  +  2 X Tacos\r$ 58.00"));

        const TDetalle &d = *e.PedidoActual.ArrayDetalle[0];
        QCOMPARE(d.NuDetalle, 1);
        QCOMPARE(d.NuProducto, QStringLiteral("7501"));
        QCOMPARE(d.Producto, QStringLiteral("TACOS de la casa"));
        QCOMPARE((QStringList{d.Esp1, d.Esp2, d.Esp3, d.Esp4, d.Esp5, d.Esp6}),
                 (QStringList{"sin cebolla", "extra salsa", "", "", "", "para llevar"}));
        QCOMPARE(e.PedidoActual.Total, 116.0);

        // The line took the pending texts and the quantity; the next product starts afresh.
        QCOMPARE(e.EspPendiente, (EspPendientes{}));
        QCOMPARE(c.Cantidad.value(), 1.0);
        QCOMPARE(c.ListaPro.selectedIndex(), -1);
        QCOMPARE(c.ListPed.selectedIndex(), 0);
        QVERIFY(c.ComandaBtn.visible());
    }

    void editarCantidad()
    {
        TProducto plato = menu::producto("1", "Parrillada", 1519);
        plato.TasaIVA = 16;
        auto p = conProductos(menu::productos({plato}));
        QVERIFY(p);
        auto &c = p->f.controles;
        auto &e = p->f.estado;
        agregar(*p, 0, QStringLiteral("8"));
        QCOMPARE(c.EditTotal.text(), QStringLiteral("12,152.00"));

        // A double tap opens the selected line's quantity; "Guardar" recomputes it.
        c.ListPed.doubleClick(0);
        QVERIFY(c.ToolBarCap.visible());
        QCOMPARE(e.LineaEditada, 0);
        QCOMPARE(c.SBCantidad.value(), 8.0);
        c.SBCantidad.edit(QStringLiteral("2.5"));
        c.GuardarCant.click();
        QVERIFY(!c.ToolBarCap.visible());
        const TDetalle &d = *e.PedidoActual.ArrayDetalle[0];
        QCOMPARE(d.Cantidad, 2.5);
        // Shown as a whole number, computed with the exact quantity.
        QCOMPARE(c.ListPed.fila(0).detalle, QStringLiteral("3 X\r$ 3,797.50"));
        QCOMPARE(c.EditTotal.text(), QStringLiteral("3,797.50"));
        QVERIFY(qAbs(e.PedidoActual.Total - 3797.5) < 1e-9);
        QVERIFY(qAbs(e.PedidoActual.SubTotal + e.PedidoActual.IVA - 3797.5) < 1e-9);
        QCOMPARE(c.ListPed.selectedIndex(), 0);

        // Button1 opens the bar like a double tap; a single tap closes it and forgets the line.
        c.Button1.click();
        QVERIFY(c.ToolBarCap.visible());
        c.ListPed.click(0);
        QVERIFY(!c.ToolBarCap.visible());
        QCOMPARE(e.LineaEditada, -1);
        c.GuardarCant.click();
        QCOMPARE(e.PedidoActual.ArrayDetalle[0]->Cantidad, 2.5);
    }

    void numerosDeLineaNoSeReasignan()
    {
        auto p = conProductos(menu::productos({menu::producto("1", "Sopa", 50), menu::producto("2", "Pan", 10)}));
        QVERIFY(p);
        auto &c = p->f.controles;
        auto &e = p->f.estado;
        for (int i = 0; i < 3; ++i)
            agregar(*p, i % 2);
        QCOMPARE(numeros(e.PedidoActual), (QList<int>{1, 2, 3}));
        c.ListPed.remove(0);
        QCOMPARE(e.PedidoActual.Count, 2);
        QCOMPARE(c.ListPed.count(), 2);
        QCOMPARE(c.ListPed.fila(0).texto, QStringLiteral("Pan"));
        QCOMPARE(c.EditTotal.text(), QStringLiteral("60.00"));
        agregar(*p, 0);
        QCOMPARE(numeros(e.PedidoActual), (QList<int>{2, 3, 3}));
        QCOMPARE(c.EditTotal.text(), QStringLiteral("110.00"));
    }

    void borrarLaUnicaLinea()
    {
        auto p = conProductos(menu::productos({menu::producto("1", "Sopa", 50)}));
        QVERIFY(p);
        auto &c = p->f.controles;
        agregar(*p, 0);
        QVERIFY(c.EnviarPedidoBtn.enabled());
        c.ListPed.remove(0);
        QCOMPARE(c.ListPed.count(), 0);
        // Nothing left to send: "Surtir Comanda" is off, so no empty comanda reaches the server.
        QVERIFY(!c.EnviarPedidoBtn.enabled());
        c.EnviarPedidoBtn.click();
        QCOMPARE(p->f.dialogos.pendientes(), 0);
        QCOMPARE(c.EditTotal.text(), QStringLiteral("0.00"));
        QCOMPARE(p->f.estado.PedidoActual.Count, 0);
        QCOMPARE(p->f.estado.PedidoActual.Total, 0.0);
        QVERIFY(p->f.estado.PedidoActual.ArrayDetalle.isEmpty());
    }

    /// Deleting a line while another's quantity is open must not write that quantity
    /// into whatever line moved into its place.
    void borrarMientrasSeEditaOtraLinea()
    {
        auto p = conProductos(menu::productos({menu::producto("1", "Sopa", 50), menu::producto("2", "Pan", 10)}));
        QVERIFY(p);
        auto &c = p->f.controles;
        auto &e = p->f.estado;
        agregar(*p, 0);
        agregar(*p, 1);
        c.ListPed.doubleClick(1);
        c.SBCantidad.edit(QStringLiteral("9"));
        c.ListPed.remove(0);
        QVERIFY(!c.ToolBarCap.visible());
        c.GuardarCant.click();
        QCOMPARE(e.PedidoActual.Count, 1);
        QCOMPARE(e.PedidoActual.ArrayDetalle[0]->Producto, QStringLiteral("Pan"));
        QCOMPARE(e.PedidoActual.ArrayDetalle[0]->Cantidad, 1.0);
    }

    void sinProductoSeleccionadoNoHaceNada()
    {
        auto p = conProductos(menu::productos({menu::producto("1", "Sopa", 50), menu::producto("2", "Pan", 10)}));
        QVERIFY(p);
        auto &c = p->f.controles;
        QCOMPARE(c.ListaPro.selectedIndex(), -1);
        c.AddPed.click();
        QCOMPARE(p->f.estado.PedidoActual.Count, 0);
        QVERIFY(c.LabelInfo.text().isEmpty());
        QVERIFY(p->f.dialogos.historial().isEmpty());
    }

    void unSoloProductoYaSeleccionado()
    {
        auto p = conProductos(menu::productos({menu::producto("1", "Sopa", 50)}));
        QVERIFY(p);
        QCOMPARE(p->f.controles.ListaPro.selectedIndex(), 0);
        p->f.controles.AddPed.click();
        QCOMPARE(p->f.estado.PedidoActual.Count, 1);
    }

    /// Tiles are made for the present entries of a received list; each still adds its own product.
    void listaConHuecosAgregaElProductoDelTile()
    {
        TListaProducto l = menu::productos({menu::producto("1", "Sopa", 50), menu::producto("2", "Pan", 10),
                                            menu::producto("3", "Flan", 35)});
        l.ArrayProducto[1].reset();
        l.Count = 7; // more than the array holds
        auto p = conProductos(l);
        QVERIFY(p);
        auto &c = p->f.controles;
        QCOMPARE(c.ListaPro.count(), 2);
        agregar(*p, 1);
        QCOMPARE(p->f.estado.PedidoActual.ArrayDetalle[0]->Producto, QStringLiteral("Flan"));
        QCOMPARE(p->f.estado.PedidoActual.ArrayDetalle[0]->Precio, 35.0 / 1.0);
    }

    /// The line's prices come from the company's settings and the exchange rate of the sign-in.
    void preciosDeLaEmpresa()
    {
        TProducto importado = menu::producto("9", "Vino", 10);
        importado.NuMoneda = 2;
        importado.TasaIVA = 16;
        auto p = conProductos(menu::productos({importado}));
        QVERIFY(p);
        p->f.controles.AddPed.click();
        const TDetalle &d = *p->f.estado.PedidoActual.ArrayDetalle[0];
        QVERIFY(qAbs(d.PreOri - 189.9) < 1e-9);      // 10 × 18.99
        QVERIFY(qAbs(d.Precio - 189.9 / 1.16) < 1e-9); // IVA included in the list price
        QCOMPARE(d.TasaIVA, 16.0);
        QVERIFY(qAbs(d.Total - 189.9) < 1e-9);
    }
};

QTEST_MAIN(TstPedido)
#include "tst_pedido.moc"
