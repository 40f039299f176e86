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
    // What the task carries from its thread to its end.
    struct Datos {
        QString user, pass;
        bool demo = false;
        QString smsg;
    };
    auto d = std::make_shared<Datos>();
    d->user = f.controles.iUser.text();
    d->pass = f.controles.iPass.text();
    d->demo = f.estado.ModoDemo;
    return f.tareas.iniciar(
        [&f, a, d, cuerpo = std::move(cuerpo)](const Paso &paso) {
            Llamada ll(paso, f, d->user, d->pass, d->demo);
            try {
                paso.ui([&] { f.MostrarActividad(a.dialogo, a.espera); });
                cuerpo(ll);
            } catch (...) {
                const QString texto = TextoError(std::current_exception());
                ll.smsg = a.alFallar ? a.alFallar(texto) : texto;
            }
            d->smsg = ll.smsg;
        },
        [d, fin = std::move(fin)] { fin(d->smsg); });
}

bool IniciarTarea(Forma &f, const Actividad &a, std::function<void(Llamada &)> cuerpo, std::function<void()> listo)
{
    return IniciarTareaConFin(f, a, std::move(cuerpo), [&f, listo = std::move(listo)](const QString &smsg) {
        if (f.QuitarActividad(smsg) && listo)
            listo();
    });
}
