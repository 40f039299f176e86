#include "tables/ComandasAbiertas.h"
#include "app/Pestanas.h"
#include "app/TareaServicio.h"
#include "tables/FilasComandas.h"

ComandasAbiertas::ComandasAbiertas(Forma &form)
    : Controlador(form)
{
}

void ComandasAbiertas::ListaComandas()
{
    const Actividad actividad{QStringLiteral("Conectando"), QStringLiteral("Obteniendo Comandas"),
                              [](const QString &) { return QStringLiteral("No se pudo obtener la lista"); }};
    IniciarTarea(
        f, actividad,
        [this](Llamada &ll) {
            if (!ll.demo) {
                // A failed load leaves the list empty rather than stale.
                ll.ui([&] { e.ListaComandasActual = {}; });
                // NuMesero is always 1: every waiter sees every comanda.
                auto lista = ll.itrazen()->ListaComandas(ll.user, ll.pass, 1);
                ll.ui([&] { e.ListaComandasActual = lista.value_or(TListaInfo1{}); });
            }
            ll.ui([&] {
                f.UpdateEspera(QStringLiteral("Cargando Comandas"));
                MostrarComandas();
            });
        },
        [this] { f.Validar(); });
}

void ComandasAbiertas::MostrarComandas()
{
    f.setActiveTab(Pestana::TabLista);
    c.Lista.beginUpdate();
    c.Lista.clear();
    for (const ListaVista::Fila &fila : FilasComandas(e.ListaComandasActual))
        c.Lista.add(fila.tipo, fila.texto, fila.detalle);
    c.Lista.endUpdate();
}
