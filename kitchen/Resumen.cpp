#include "kitchen/Resumen.h"
#include "app/Pestanas.h"
#include "app/TareaServicio.h"
#include "kitchen/MensajeConexion.h"
#include "util/Numeros.h"

Resumen::Resumen(Forma &form)
    : Controlador(form)
{
}

void Resumen::ResumenMesero()
{
    IniciarTarea(
        f, {QStringLiteral("Conectando"), QStringLiteral("Obteniendo Resumen"), MensajeSinConexion},
        [this](Llamada &ll) {
            int ComandasPen = 0, ComandasFin = 0;
            double Propinas = 0, Total = 0;
            if (ll.demo)
                ll.ui([&] { ComandasPen = e.ListaComandasActual.Count; });
            else
                ll.itrazen()->ObtenerResumen(ll.user, ll.pass, ComandasPen, ComandasFin, Propinas, Total);
            ll.ui([&] {
                c.ComandasPenT.setText(QString::number(ComandasPen));
                c.ComandasFinT.setText(QString::number(ComandasFin));
                c.PropinasT.setText(FormatoNumero(Propinas));
                c.TotalT.setText(FormatoNumero(Total));
            });
        },
        [this] {
            f.setActiveTab(Pestana::TabResumen);
            c.BackBtn.setVisible(true);
        });
}
