#pragma once
#include "app/Tareas.h"
#include "service/Itrazen.h"
#include <QString>
#include <functional>
#include <memory>

class Forma;
class ClienteServicio;

/// What the body of a service task has at hand. The credentials and the demo flag are
/// read on the screen's thread when the task starts.
class Llamada {
public:
    Llamada(const Paso &paso, Forma &f, QString user, QString pass, bool demo);

    const QString user, pass; // as typed on the sign-in screen
    const bool demo;          // the sample restaurant: there is no server to ask
    QString smsg;             // the failure shown at the end; empty while all goes well

    /// Runs `g` on the screen's thread and waits for it.
    void ui(const std::function<void()> &g) const { m_paso.ui(g); }
    /// A new text on the busy overlay.
    void espera(const QString &texto) const;
    /// A fresh interface to the server, for calls made on the task's thread.
    [[nodiscard]] std::unique_ptr<Itrazen> itrazen() const;

private:
    const Paso &m_paso;
    Forma &m_f;
};

/// How a service task shows itself and what an error escaping its body becomes.
struct Actividad {
    QString dialogo; // the activity dialog's text
    QString espera;  // the busy overlay's first text
    /// The message for an error the body did not catch, from its text (the service's own
    /// message, or what the error says); the text itself when not given.
    std::function<QString(const QString &error)> alFallar;
};

/// Starts a service task (or drops it while another runs: false). The body runs on a
/// worker thread after the activity dialog and the overlay show; an error escaping it
/// becomes `smsg`. At the end, on the screen's thread, dialog and overlay go away, the
/// message shows when there is one, and `listo` runs when there is none.
bool IniciarTarea(Forma &f, const Actividad &a, std::function<void(Llamada &)> cuerpo,
                  std::function<void()> listo);

/// The same for a task whose end takes dialog, overlay and message in hand itself: `fin`
/// receives the message (empty when all went well) and nothing else is done for it.
bool IniciarTareaConFin(Forma &f, const Actividad &a, std::function<void(Llamada &)> cuerpo,
                        std::function<void(const QString &smsg)> fin);
