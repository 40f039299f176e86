#pragma once
#include "Mesero.h"
#include "app/Ajustes.h"

/// The same run of changes for the process that is killed and for the test that checks
/// what it left: a demo waiter on "Mesa 2" who adds, deletes and edits lines and types the
/// customer and the persons; and a run of display settings saves.
namespace cambios {

/// Change `k` (from 1) of the comanda.
inline void Comanda(Mesero &m, int k)
{
    Controles &c = m.c();
    if (k % 7 == 0 && m.e().PedidoActual.Count > 0)
        m.f().lineasPedido().ListPedDeleteItem(0);
    else if (k % 5 == 0)
        c.Nombre.edit(QStringLiteral("Cliente %1").arg(k));
    else if (k % 3 == 0)
        c.Per.edit(QString::number(k % 9 + 1));
    else
        m.linea(QStringLiteral("Producto %1").arg(k), k % 4 + 1, 10 + k);
}

/// A demo form signed in, with "Mesa 2" chosen for the comanda.
inline bool Empezar(FormaPrueba &p, Mesero &m)
{
    return p.iniciarSesion() && m.menu(1) && m.elegirMesa(QStringLiteral("Mesa 2"));
}

/// The display settings of save `k`: every key's value tells the save it came from.
inline ValoresConfig Ajustes(int k)
{
    const auto n = [](int v) { return QString::number(v); };
    return {{QStringLiteral("ImgCategoria"), n(k % 2)},      {QStringLiteral("ImgMesa"), n(k / 2 % 2)},
            {QStringLiteral("ImgProducto"), n(k / 4 % 2)},   {QStringLiteral("Fuente1"), n(8 + k % 13)},
            {QStringLiteral("Fuente2"), n(8 + k / 13 % 13)}, {QStringLiteral("Columnas"), n(1 + k % 5)},
            {QStringLiteral("ColumnasCat"), n(1 + k / 5 % 5)}, {QStringLiteral("ColumnasPro"), n(1 + k / 25 % 5)}};
}

/// Puts save `k` into the display settings' controls and leaves the screen as back does.
inline void GuardarAjustes(TTabbedForm &f, int k)
{
    Controles &c = f.controles;
    const ValoresConfig v = Ajustes(k);
    c.SwitchC.setChecked(v[0].second == u"1");
    c.SwitchM.setChecked(v[1].second == u"1");
    c.SwitchP.setChecked(v[2].second == u"1");
    c.Fuente1.setText(v[3].second);
    c.Fuente2.setText(v[4].second);
    c.Columnas.setText(v[5].second);
    c.ColumnasCat.setText(v[6].second);
    c.ColumnasPro.setText(v[7].second);
    f.ajustes().SetSettings();
}
} // namespace cambios
