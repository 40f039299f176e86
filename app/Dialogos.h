#pragma once
#include <QObject>
#include <QStringList>
#include <functional>

/// The message dialog service: information messages with OK, Yes/No confirmations
/// (No by default) and plain message boxes. Dialogs queue up; the screen shows the
/// first one and answers it. Showing never waits for the user: what follows a
/// confirmation runs when it is answered Yes.
class Dialogos : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool abierto READ abierto NOTIFY changed)
    Q_PROPERTY(QString texto READ texto NOTIFY changed)
    Q_PROPERTY(QString tipo READ tipo NOTIFY changed)
    Q_PROPERTY(QStringList botones READ botones NOTIFY changed)
    Q_PROPERTY(QString botonPorDefecto READ botonPorDefecto NOTIFY changed)

public:
    /// Buttons of a dialog.
    enum Boton { Ninguno = 0, OK = 1, Si = 6, No = 7 };
    Q_ENUM(Boton)

    using Accion = std::function<void()>;

    /// Information message with one OK button; returns at once.
    void MostrarMensaje(const QString &s);
    /// Yes/No question, No by default; `siSi` runs only when the answer is Yes.
    void Confirmar(const QString &pregunta, Accion siSi);
    /// A plain message box (used for internal failures while building screens).
    void MensajeSimple(const QString &s);

    [[nodiscard]] bool abierto() const { return !m_cola.isEmpty(); }
    [[nodiscard]] QString texto() const;
    [[nodiscard]] QString tipo() const;
    [[nodiscard]] QStringList botones() const;
    [[nodiscard]] QString botonPorDefecto() const;
    [[nodiscard]] int pendientes() const { return int(m_cola.size()); }
    /// A dialog waiting whose text starts so.
    [[nodiscard]] bool enCola(const QString &inicio) const;
    /// Every text shown so far, oldest first (what a waiter has read).
    [[nodiscard]] const QStringList &historial() const { return m_historial; }

    /// Answers the dialog on top with a button caption ("OK", "Yes", "No"); closing it
    /// without an answer is "" and counts as No.
    Q_INVOKABLE void responder(const QString &boton);

signals:
    void changed();
    void mostrado(const QString &texto);

private:
    struct Dialogo {
        QString tipo;
        QString texto;
        QList<Boton> botones;
        Boton porDefecto;
        Accion siSi;
    };
    void encolar(Dialogo d);
    static QString nombre(Boton b);

    QList<Dialogo> m_cola;
    QStringList m_historial;
};
