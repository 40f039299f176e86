#include "app/Tareas.h"
#include "app/ActivityDialog.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <exception>

void Paso::ui(const std::function<void()> &f) const
{
    if (QThread::currentThread() == m_ui->thread()) {
        f();
        return;
    }
    std::exception_ptr error;
    QMetaObject::invokeMethod(
        m_ui,
        [&] {
            try {
                f();
            } catch (...) {
                error = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (error)
        std::rethrow_exception(error);
}

Tareas::Tareas(ActivityDialog &dialogo, QObject *parent)
    : QObject(parent), m_dialogo(dialogo)
{
}

Tareas::~Tareas() { esperar(); }

bool Tareas::ocupado() const { return m_enCurso || m_dialogo.shown(); }

bool Tareas::iniciar(Cuerpo cuerpo, std::function<void()> final)
{
    // The dialog only shows once the task's first step has run; the flag also covers
    // a second request arriving before that.
    if (ocupado())
        return false;
    if (m_hilo)
        m_hilo->wait(); // the previous task has run its final step and is ending
    m_enCurso = true;
    m_hilo.reset(QThread::create([this, cuerpo = std::move(cuerpo), final = std::move(final)] {
        const Paso paso(this);
        try {
            cuerpo(paso);
        } catch (...) {
            // Each task turns its own errors into its message; nothing may escape the thread.
        }
        paso.ui([&] {
            m_enCurso = false;
            try {
                final();
            } catch (...) {
            }
            emit terminada();
        });
    }));
    m_hilo->start();
    return true;
}

void Tareas::esperar()
{
    if (!m_hilo)
        return;
    while (!m_hilo->wait(QDeadlineTimer(10)))
        QCoreApplication::processEvents();
}
