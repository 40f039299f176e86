#include "order/LineasPedido.h"
#include "order/CalcularDetalle.h"
#include "order/Pendientes.h"
#include "order/TextoLinea.h"
#include "order/RespaldoComanda.h"
#include "util/Numeros.h"

LineasPedido::LineasPedido(Forma &form, RespaldoComanda &respaldo)
    : Controlador(form), m_respaldo(respaldo)
{
    connect(&c.AddPed, &Control::clicked, this, [this] { AddPedClick(); });
    connect(&c.ListPed, &ListaVista::clicked, this, &LineasPedido::ListPedClick);
    connect(&c.ListPed, &ListaVista::doubleClicked, this, &LineasPedido::ListPedDblClick);
    connect(&c.ListPed, &ListaVista::removed, this, &LineasPedido::ListPedDeleteItem);
    connect(&c.Button1, &Control::clicked, this, &LineasPedido::ListPedDblClick);
    connect(&c.GuardarCant, &Control::clicked, this, &LineasPedido::GuardarCantClick);
}

bool LineasPedido::Bloqueada()
{
    if (!e.Envio.bloqueada())
        return false;
    f.MostrarMensaje(TextoSinConfirmar
                     + QStringLiteral(": no se puede cambiar. Surtir Comanda la busca en el servidor antes de "
                                      "enviarla de nuevo; Cancelar Comanda la descarta"));
    return true;
}

ReglasEmpresa LineasPedido::reglas() const { return {e.IVAIncluido, e.OP_IEPS_SOBRE_IVA, e.TC_VentaCredito}; }

void LineasPedido::AddPedClick(bool revisarModificadores)
{
    if (Bloqueada())
        return;
    // The add button belongs to the products: on the modifier screen only TERMINAR adds.
    if (revisarModificadores && c.ListaMod.visible())
        return;
    const int sel = c.ListaPro.selectedIndex();
    if (sel < 0)
        return;
    const Tile tile = c.ListaPro.tile(sel);
    const int pos = tile.tag; // the product's position in ListaProductos
    const std::optional<TProducto> producto = e.ListaProductos.ArrayProducto.value(pos);
    if (!producto)
        return;
    if (revisarModificadores && TieneModificadores(*producto)) {
        emit conModificadores(pos);
        return;
    }
    try {
        const QString cantidad = c.Cantidad.text();
        AgregarAPedido(pos, c.Cantidad.value());
        c.LabelInfo.setText(u'[' + QString::number(e.PedidoActual.Count) + QStringLiteral("]  +  ") + cantidad
                            + QStringLiteral(" X ") + tile.caption);
        f.Validar();
        c.ListaPro.setSelectedIndex(-1);
    } catch (const std::exception &) {
        f.DesCargarEspera();
    }
}

void LineasPedido::AgregarAPedido(int Index, double Cant)
{
    if (Bloqueada())
        return;
    const auto &productos = e.ListaProductos.ArrayProducto;
    if (Index < 0 || Index >= productos.size() || !productos[Index])
        return;
    const TProducto &p = *productos[Index];
    c.ListPed.setVisible(true);

    TPedido &ped = e.PedidoActual;
    ++ped.Count;
    ped.SetLengthList(ped.Count);
    TDetalle &d = ped.ArrayDetalle[ped.Count - 1].emplace();
    d.NuDetalle = ped.Count; // never renumbered, even after a delete
    d.NuProducto = p.ID;
    d.Producto = TextoProducto(p);
    d.Cantidad = Cant;
    const PrecioLinea precio = ReglaPrecio(p, reglas());
    d.PreOri = precio.PreOri;
    d.Precio = precio.Precio;
    d.TasaIVA = p.TasaIVA;
    d.TasaIEPS = p.TasaIEPS;
    d.Descuento = 0;
    for (int k = 1; k <= 6; ++k)
        d.Esp(k) = e.EspPendiente[k - 1];
    d = CalcularDetalle(d, reglas());

    LlenarPedido();
    const int ultima = c.ListPed.count() - 1;
    c.ListPed.scrollToItem(ultima);
    c.ListPed.setSelectedIndex(ultima);
    e.EspPendiente.fill({});
    c.Cantidad.setValue(1);
}

void LineasPedido::LlenarPedido()
{
    TPedido &ped = e.PedidoActual;
    c.ListPed.beginUpdate();
    c.ListPed.clear();
    double total = 0, subTotal = 0, iva = 0, ieps = 0;
    ParaCada(ped.ArrayDetalle, ped.Count, [&](const TDetalle &d, qsizetype) {
        c.ListPed.add(ListaVista::Item, TextoLinea(d), DetalleLinea(d));
        total += d.Total;
        subTotal += d.SubTotal;
        iva += d.IVA;
        ieps += d.IEPS;
    });
    c.EditTotal.setText(FormatoNumero(total));
    ped.SubTotal = subTotal;
    ped.IVA = iva;
    ped.IEPS = ieps;
    ped.Total = total;
    c.ListPed.endUpdate();
    // A comanda without lines has nothing to send.
    c.EnviarPedidoBtn.setEnabled(ped.Count > 0);
    m_respaldo.Guardar();
}

void LineasPedido::ListPedClick()
{
    e.LineaEditada = -1;
    c.ToolBarCap.setVisible(false);
}

void LineasPedido::ListPedDblClick()
{
    if (c.ListPed.selectedIndex() >= 0 && Bloqueada())
        return;
    e.LineaEditada = c.ListPed.selectedIndex();
    if (e.LineaEditada < 0)
        return;
    const auto &linea = e.PedidoActual.ArrayDetalle.value(e.LineaEditada);
    if (!linea)
        return;
    c.ToolBarCap.setVisible(true);
    c.SBCantidad.setText(FormatoNumero(linea->Cantidad));
}

void LineasPedido::GuardarCantClick()
{
    const int i = e.LineaEditada;
    if (i < 0 || Bloqueada())
        return;
    c.ToolBarCap.setVisible(false);
    TPedido &ped = e.PedidoActual;
    if (i >= ped.Count || i >= ped.ArrayDetalle.size() || !ped.ArrayDetalle[i])
        return;
    TDetalle &d = *ped.ArrayDetalle[i];
    d.Cantidad = LeerReal(c.SBCantidad.text());
    d = CalcularDetalle(d, reglas());
    LlenarPedido();
    c.ListPed.setSelectedIndex(i);
}

void LineasPedido::ListPedDeleteItem(int AIndex)
{
    TPedido &ped = e.PedidoActual;
    if (AIndex < 0 || AIndex >= ped.Count || AIndex >= ped.ArrayDetalle.size() || Bloqueada())
        return;
    ped.ArrayDetalle.removeAt(AIndex);
    --ped.Count;
    // A quantity being edited belonged to a line that may have moved or gone: drop it.
    e.LineaEditada = -1;
    c.ToolBarCap.setVisible(false);
    LlenarPedido();
}
