#include "app/TareaServicio.h"
#include "app/Forma.h"
#include "service/TextoError.h"

Llamada::Llamada(const Paso &paso, Forma &f, QString user_, QString pass_, bool demo_)
    : user(std::move(user_)), pass(std::move(pass_)), demo(demo_), m_paso(paso), m_f(f)
{
}

void Llamada::espera(const QString &texto) const
{
    ui([&] { m_f.UpdateEspera(texto); });
}

std::unique_ptr<Itrazen> Llamada::itrazen() const { return m_f.SoapClient1().itrazen(); }

bool IniciarTareaConFin(Forma &f, const Actividad &a, std::function<void(Llamada &)> cuerpo,
                        std::function<void(const QString &smsg)> fin)
{
    auto smsg = std::make_shared<QString>(); // from the task's thread to its end
    return f.tareas.iniciar(
        [&f, a, smsg, cuerpo = std::move(cuerpo), user = f.controles.iUser.text(), pass = f.controles.iPass.text(),
         demo = f.estado.ModoDemo](const Paso &paso) {
            Llamada ll(paso, f, user, pass, demo);
            try {
                paso.ui([&] { f.MostrarActividad(a.dialogo, a.espera); });
                cuerpo(ll);
            } catch (...) {
                const QString texto = TextoError(std::current_exception());
                ll.smsg = a.alFallar ? a.alFallar(texto) : texto;
            }
            *smsg = ll.smsg;
        },
        [smsg, fin = std::move(fin)] { fin(*smsg); });
}

bool IniciarTarea(Forma &f, const Actividad &a, std::function<void(Llamada &)> cuerpo, std::function<void()> listo)
{
    return IniciarTareaConFin(f, a, std::move(cuerpo), [&f, listo = std::move(listo)](const QString &smsg) {
        if (f.QuitarActividad(smsg) && listo)
            listo();
    });
}
