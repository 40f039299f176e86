#pragma once
#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

class ActivityDialog;

/// What a running background task uses to hand a step to the user-interface thread.
class Paso {
public:
    explicit Paso(QObject *ui) : m_ui(ui) {}
    /// Runs `f` on the user-interface thread and waits for it; an exception thrown by `f`
    /// comes back here, on the task's thread.
    void ui(const std::function<void()> &f) const;

private:
    QObject *m_ui;
};

/// Runs background tasks one at a time: a request made while one runs is dropped.
/// The body runs on a worker thread; the final step always runs, on the user-interface
/// thread, after the body, whatever the body did.
class Tareas : public QObject {
    Q_OBJECT
public:
    Tareas(ActivityDialog &dialogo, QObject *parent = nullptr);
    ~Tareas() override;

    using Cuerpo = std::function<void(const Paso &)>;

    /// Starts a task, or drops the request (false) while another is running.
    bool iniciar(Cuerpo cuerpo, std::function<void()> final);

    /// A task is running: the activity dialog shows, or a started task has not finished.
    [[nodiscard]] bool ocupado() const;

    /// The thread of the task started last (`FTarea`), or null.
    [[nodiscard]] QThread *FTarea() const { return m_hilo.get(); }

    /// Waits for the running task, letting its hand-overs through (used when closing).
    void esperar();

signals:
    void terminada();

private:
    ActivityDialog &m_dialogo;
    std::unique_ptr<QThread> m_hilo;
    bool m_enCurso = false;
};
