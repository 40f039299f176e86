#pragma once
#include "FormaPrueba.h"
#include "app/Tareas.h"
#include "kitchen/Surtido.h"
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>

/// Small helpers shared by the kitchen tests.
namespace cocina {

inline TSurtido Platillo(int venta, int mov, const QString &cliente, const QString &mesa, const QString &producto,
                         double cantidad)
{
    TSurtido s;
    s.NuVenta = venta;
    s.NuVenta_Mov = mov;
    s.Cliente = cliente;
    s.Mesa = mesa;
    s.Producto = producto;
    s.Cantidad = cantidad;
    return s;
}

inline TListaSurtido Lista(const QList<TSurtido> &platillos)
{
    TListaSurtido l;
    for (const TSurtido &s : platillos)
        l.ArraySurtido.append(s);
    l.Count = int(platillos.size());
    return l;
}

/// The fake server reports these dishes (and as many `Platillos`).
inline void Responder(FormaPrueba &p, const TListaSurtido &lista)
{
    p.servicio->respuestas.ObtenerSurtido = [lista](int, int, int &platillos) {
        platillos = lista.Count;
        return std::optional<TListaSurtido>(lista);
    };
}

/// Requests one poll and waits until it has run its final step.
inline bool Sondear(FormaPrueba &p, int marcar = 0)
{
    QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
    p.f.surtido().PedirSurtido(marcar);
    return QTest::qWaitFor([&] { return fin.count() == 1; }, 15000);
}

/// A gate that holds a fake service call on the task's thread until the test opens it.
struct Compuerta {
    QSemaphore entrada, salida;
    /// Called by the fake, on the task's thread.
    void pasar()
    {
        entrada.release();
        salida.tryAcquire(1, 15000);
    }
    /// The call has arrived and waits.
    bool esperarLlegada() { return QTest::qWaitFor([this] { return entrada.tryAcquire(); }, 15000); }
    void abrir() { salida.release(); }
};

} // namespace cocina
