#pragma once
#include "app/Controlador.h"
#include "order/ReglaPrecio.h"

class RespaldoComanda;

/// The lines of the comanda being composed: adding the selected product, the comanda
/// list with its totals, and editing a line's quantity or deleting a line.
class LineasPedido : public Controlador {
    Q_OBJECT
public:
    LineasPedido(Forma &f, RespaldoComanda &respaldo);

    /// The add button. `revisarModificadores` false ("TERMINAR" on the modifier screen)
    /// adds the product at once with the pending modifiers.
    Q_INVOKABLE void AddPedClick(bool revisarModificadores = true);
    /// Appends a line for product `Index` of ListaProductos with quantity `Cant`.
    Q_INVOKABLE void AgregarAPedido(int Index, double Cant);
    /// Rebuilds ListPed and the comanda's totals from its lines.
    Q_INVOKABLE void LlenarPedido();

    Q_INVOKABLE void ListPedClick();
    /// Double tap on ListPed (or Button1): opens the selected line's quantity for editing.
    Q_INVOKABLE void ListPedDblClick();
    /// "Guardar": stores the edited quantity and recomputes the line.
    Q_INVOKABLE void GuardarCantClick();
    /// The delete gesture on line `AIndex`.
    Q_INVOKABLE void ListPedDeleteItem(int AIndex);

    /// While a try may be on the server the comanda cannot change: tells the waiter so.
    bool Bloqueada();

    /// The company's tax settings as they stand now.
    [[nodiscard]] ReglasEmpresa reglas() const;

signals:
    /// The product chosen (its position in ListaProductos) has modifiers: they show first.
    void conModificadores(int id);

private:
    RespaldoComanda &m_respaldo;
};
