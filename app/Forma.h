#pragma once
#include "app/ActivityDialog.h"
#include "app/ClienteServicio.h"
#include "app/Controles.h"
#include "app/Dialogos.h"
#include "app/Estado.h"
#include "app/Pestanas.h"
#include "app/Tareas.h"
#include <QDateTime>
#include <QTimer>
#include <functional>
#include <memory>

class CentroNotificaciones;

/// What the platform provides to the main window; tests put fakes in.
struct Plataforma {
    std::shared_ptr<ClienteServicio> servicio;          // SoapClient1
    std::function<bool()> tecladoVisible;               // on-screen keyboard showing
    std::function<QDateTime()> ahora;                   // the clock
    std::shared_ptr<CentroNotificaciones> notificaciones1; // NotificationCenter1
    std::shared_ptr<CentroNotificaciones> notificaciones2; // NotificationCenter2
};

/// The main window's model: the whole application state, every named control, the
/// busy overlay, the dialogs, the background tasks, the screen that shows, and the rules
/// every subsystem shares (the header's `Validar`, the moves between the main screens,
/// the resets of the tile lists). It knows no subsystem: their controllers are given it.
class Forma : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption CONSTANT)
    Q_PROPERTY(QString activeTab READ activeTab NOTIFY activeTabChanged)

public:
    static constexpr int AnchoVentana = 452;
    static constexpr int AltoVentana = 775;

    /// `datosDemo` fills the state with the sample restaurant (at every reset in demo mode).
    Forma(Plataforma plataforma, std::function<void(Estado &)> datosDemo, QObject *parent = nullptr);
    ~Forma() override;

    Estado estado;
    Controles controles;
    ActivityDialog ActivityDialog1;
    Dialogos dialogos;
    Tareas tareas{ActivityDialog1};
    QTimer TimerWait;
    QTimer TimerSur;

    [[nodiscard]] QString caption() const { return QStringLiteral("Trazen Móvil"); }
    [[nodiscard]] QString activeTab() const { return m_activeTab; }
    /// Makes a screen the active tab.
    void setActiveTab(const QString &tab);
    /// The named control, tile list or list view, for the screens; null when no control
    /// of that kind has that name.
    Q_INVOKABLE Control *control(const QString &nombre) const { return qobject_cast<Control *>(controles.buscar(nombre)); }
    Q_INVOKABLE TileList *tileList(const QString &nombre) const { return qobject_cast<TileList *>(controles.buscar(nombre)); }
    Q_INVOKABLE ListaVista *listaVista(const QString &nombre) const { return qobject_cast<ListaVista *>(controles.buscar(nombre)); }

    /// Back to the state of a fresh sign-in: lists, comanda and send state emptied; the
    /// sample restaurant loaded again in demo mode.
    void ReIniciar();
    [[nodiscard]] bool AccesoAModulo(int x) const;
    Q_INVOKABLE void CerrarBtnClick();
    Q_INVOKABLE void FormResize(int anchoVentana);

    // The header and the moves between the main screens (Pantallas.cpp).
    /// Recomputes header title and buttons, drawer items and segmented buttons.
    Q_INVOKABLE void Validar();
    Q_INVOKABLE void EmpresaBtnClick();
    Q_INVOKABLE void MenuTileClick() { EmpresaBtnClick(); }
    Q_INVOKABLE void ConfigurarBtnClick();
    Q_INVOKABLE void CerrarSessionBtnClick();
    void CambiarFondo();
    void QuitarFondoTileList();
    void QuitarCategoTileList();

    // Busy overlay and messages.
    void CargarEspera(const QString &s);
    void UpdateEspera(const QString &s) { CargarEspera(s); }
    void DesCargarEspera();
    void TimerWaitTimer();
    void MostrarMensaje(const QString &s) { dialogos.MostrarMensaje(s); }
    /// A background task's first step: the activity dialog with its message, then the overlay.
    void MostrarActividad(const QString &dialogo, const QString &espera);
    /// The common start of a task's last step: dialog and overlay away, then the task's
    /// failure message when it has one. Answers true when it had none.
    bool QuitarActividad(const QString &smsg);

    // Platform.
    [[nodiscard]] ClienteServicio &SoapClient1() { return *m_plataforma.servicio; }
    [[nodiscard]] bool conServicio() const { return bool(m_plataforma.servicio); }
    /// Cuts every running call: the window is closing.
    void cancelarLlamadas();
    [[nodiscard]] bool tecladoVisible() const;
    [[nodiscard]] QDateTime ahora() const;
    [[nodiscard]] CentroNotificaciones *NotificationCenter1() const { return m_plataforma.notificaciones1.get(); }
    [[nodiscard]] CentroNotificaciones *NotificationCenter2() const { return m_plataforma.notificaciones2.get(); }

signals:
    void activeTabChanged();
    /// The user left through "Salir": the window must close now.
    void salir();

private:
    Plataforma m_plataforma;
    std::function<void(Estado &)> m_datosDemo;
    QString m_activeTab = Pestana::TabItem1;
};
