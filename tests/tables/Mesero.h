#pragma once
#include "FormaPrueba.h"
#include "app/Ajustes.h"
#include "shell/Navegacion.h"
#include "order/LineasPedido.h"
#include "tables/EnvioComanda.h"
#include "tables/Mesas.h"
#include <QtTest>

/// One table of a ListaMesas reply, or one comanda of a ListaComandas reply.
struct Info {
    int db;
    QString nombre;
    QString sucursal;
    double cant;
    double total = 0;
};

/// A reply list built from rows.
inline TListaInfo1 ListaInfo(const QList<Info> &filas)
{
    TListaInfo1 l;
    l.SetLengthList(int(filas.size()));
    l.Count = int(filas.size());
    for (int i = 0; i < filas.size(); ++i) {
        TInfo1 &m = l.ArrayInfo1[i].emplace();
        m.DB = filas[i].db;
        m.Nombre = filas[i].nombre;
        m.Sucursal = filas[i].sucursal;
        m.Cant = filas[i].cant;
        m.Total = filas[i].total;
    }
    return l;
}

/// A waiter at work on a test form: taps the main menu, picks tables and answers dialogs.
struct Mesero {
    FormaPrueba &p;

    TTabbedForm &f() { return p.f; }
    Controles &c() { return p.f.controles; }
    Estado &e() { return p.f.estado; }

    /// Taps a main-menu tile by its tag and waits for the task it starts.
    bool menu(int tag)
    {
        p.f.EmpresaBtnClick();
        p.f.controles.Tile.click(tag);
        return p.esperarTarea();
    }
    /// Taps the table tile of that name and waits for the categories.
    bool elegirMesa(const QString &nombre)
    {
        for (int i = 0; i < c().ListaMesa.count(); ++i)
            if (c().ListaMesa.tile(i).caption == nombre) {
                c().ListaMesa.click(i);
                return p.esperarTarea();
            }
        return false;
    }
    /// The tile of the table of that name, or null.
    const Tile *tile(const QString &nombre)
    {
        for (int i = 0; i < c().ListaMesa.count(); ++i)
            if (c().ListaMesa.tile(i).caption == nombre)
                return &c().ListaMesa.tile(i);
        return nullptr;
    }
    /// Puts a line into the comanda as if it had been added from the catalogue.
    void linea(const QString &producto, double cantidad, double precio)
    {
        TPedido &ped = e().PedidoActual;
        ped.Count += 1;
        ped.SetLengthList(ped.Count);
        TDetalle &d = ped.ArrayDetalle[ped.Count - 1].emplace();
        d.NuDetalle = ped.Count;
        d.NuProducto = QStringLiteral("P") + QString::number(ped.Count);
        d.Producto = producto;
        d.Cantidad = cantidad;
        d.Precio = precio;
        d.SubTotal = precio * cantidad;
        d.Total = d.SubTotal;
        p.f.lineasPedido().LlenarPedido();
        p.f.Validar();
    }
    /// Opens the comanda screen with the header's button.
    void abrirComanda()
    {
        if (p.f.activeTab() != u"TabComanda")
            c().ComandaBtn.click();
    }
    /// "Surtir Comanda", answered `respuesta`, then waits for the send.
    bool surtir(const QString &respuesta = QStringLiteral("Yes"))
    {
        c().EnviarPedidoBtn.click();
        if (p.f.dialogos.texto() != u"¿Surtir la Comanda?")
            return false;
        p.f.dialogos.responder(respuesta);
        return p.esperarTarea();
    }
    /// Messages shown since the last call, answered with OK.
    QStringList mensajes()
    {
        QStringList r;
        while (p.f.dialogos.pendientes() > 0) {
            r << p.f.dialogos.texto();
            p.f.dialogos.responder(QStringLiteral("OK"));
        }
        return r;
    }
};

Q_DECLARE_METATYPE(QList<Info>)
