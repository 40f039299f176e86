#include "kitchen/Resumen.h"
#include "app/Pestanas.h"
#include "kitchen/MensajeConexion.h"
#include "util/Numeros.h"

namespace {
/// What one load carries between its thread and the screen.
struct TareaResumen {
    int ComandasPen = 0;
    int ComandasFin = 0;
    double Propinas = 0;
    double Total = 0;
    QString smsg;
    bool demo = false;
    QString user, pass;
};
} // namespace

Resumen::Resumen(TTabbedForm &form)
    : Controlador(form)
{
}

void Resumen::ResumenMesero()
{
    auto t = std::make_shared<TareaResumen>();
    t->demo = e.ModoDemo;
    t->user = c.iUser.text();
    t->pass = c.iPass.text();

    f.tareas.iniciar(
        [this, t](const Paso &paso) {
            paso.ui([&] {
                f.MostrarActividad(QStringLiteral("Conectando"), QStringLiteral("Obteniendo Resumen"));
            });
            try {
                if (t->demo)
                    paso.ui([&] { t->ComandasPen = e.ListaComandasActual.Count; });
                else
                    f.SoapClient1().itrazen()->ObtenerResumen(t->user, t->pass, t->ComandasPen, t->ComandasFin,
                                                             t->Propinas, t->Total);
                paso.ui([&] {
                    c.ComandasPenT.setText(QString::number(t->ComandasPen));
                    c.ComandasFinT.setText(QString::number(t->ComandasFin));
                    c.PropinasT.setText(FormatoNumero(t->Propinas));
                    c.TotalT.setText(FormatoNumero(t->Total));
                });
            } catch (const std::exception &err) {
                t->smsg = MensajeSinConexion(err);
            }
        },
        [this, t] {
            if (!f.QuitarActividad(t->smsg))
                return;
            f.setActiveTab(Pestana::TabResumen);
            c.BackBtn.setVisible(true);
        });
}
