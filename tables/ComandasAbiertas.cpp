#include "tables/ComandasAbiertas.h"
#include "app/Pestanas.h"
#include "app/Navegacion.h"
#include "tables/FilasComandas.h"

namespace {
/// What the comanda list task carries between its thread and the screen.
struct TareaComandas {
    QString user, pass;
    QString smsg;
};
} // namespace

ComandasAbiertas::ComandasAbiertas(TTabbedForm &form)
    : Controlador(form)
{
}

void ComandasAbiertas::ListaComandas()
{
    auto t = std::make_shared<TareaComandas>();
    t->user = c.iUser.text();
    t->pass = c.iPass.text();
    f.tareas.iniciar(
        [this, t](const Paso &paso) {
            bool demo = false;
            paso.ui([&] {
                f.MostrarActividad(QStringLiteral("Conectando"), QStringLiteral("Obteniendo Comandas"));
                demo = e.ModoDemo;
            });
            if (!demo) {
                // A failed load leaves the list empty rather than stale.
                paso.ui([&] { e.ListaComandasActual = {}; });
                try {
                    // NuMesero is always 1: every waiter sees every comanda.
                    auto lista = f.SoapClient1().itrazen()->ListaComandas(t->user, t->pass, 1);
                    paso.ui([&] { e.ListaComandasActual = lista.value_or(TListaInfo1{}); });
                } catch (const std::exception &) {
                    t->smsg = QStringLiteral("No se pudo obtener la lista");
                    return;
                }
            }
            paso.ui([&] {
                f.UpdateEspera(QStringLiteral("Cargando Comandas"));
                MostrarComandas();
            });
        },
        [this, t] {
            if (f.QuitarActividad(t->smsg))
                f.navegacion().Validar();
        });
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
