#pragma once
#include "app/ActivityDialog.h"
#include "app/Pestanas.h"
#include "app/ClienteServicio.h"
#include "app/Controles.h"
#include "app/Dialogos.h"
#include "app/Estado.h"
#include "app/Tareas.h"
#include <QDateTime>
#include <QTimer>
#include <functional>
#include <memory>

class CentroNotificaciones;
class Navegacion;
class Ajustes;
class Sesion;
class Catalogo;
class LineasPedido;
class Modificadores;
class Mesas;
class EnvioComanda;
class ComandasAbiertas;
class Surtido;
class Resumen;

/// What the platform provides to the main window; tests put fakes in.
struct Plataforma {
    std::shared_ptr<ClienteServicio> servicio;          // SoapClient1
    std::function<bool()> tecladoVisible;               // on-screen keyboard showing
    std::function<QDateTime()> ahora;                   // the clock
    std::shared_ptr<CentroNotificaciones> notificaciones1; // NotificationCenter1
    std::shared_ptr<CentroNotificaciones> notificaciones2; // NotificationCenter2
};

/// The main window as a model: the whole application state, every named control, the
/// busy overlay, dialogs and background tasks, and one controller per subsystem holding
/// that subsystem's handlers. Creating it runs FormCreate.
class TTabbedForm : public QObject {
    Q_OBJECT
    // The controllers' properties are typed: the screens see each one's handlers.
    Q_MOC_INCLUDE("app/Navegacion.h")
    Q_MOC_INCLUDE("app/Ajustes.h")
    Q_MOC_INCLUDE("session/Sesion.h")
    Q_MOC_INCLUDE("catalogue/Catalogo.h")
    Q_MOC_INCLUDE("order/LineasPedido.h")
    Q_MOC_INCLUDE("order/Modificadores.h")
    Q_MOC_INCLUDE("tables/Mesas.h")
    Q_MOC_INCLUDE("tables/EnvioComanda.h")
    Q_MOC_INCLUDE("tables/ComandasAbiertas.h")
    Q_MOC_INCLUDE("kitchen/Surtido.h")
    Q_MOC_INCLUDE("kitchen/Resumen.h")
    Q_PROPERTY(QString caption READ caption CONSTANT)
    Q_PROPERTY(QString activeTab READ activeTab NOTIFY activeTabChanged)
    Q_PROPERTY(Dialogos *dialogos READ dialogosObj CONSTANT)
    Q_PROPERTY(ActivityDialog *activity READ activityObj CONSTANT)
    Q_PROPERTY(Navegacion *navegacion READ navegacionObj CONSTANT)
    Q_PROPERTY(Ajustes *ajustes READ ajustesObj CONSTANT)
    Q_PROPERTY(Sesion *sesion READ sesionObj CONSTANT)
    Q_PROPERTY(Catalogo *catalogo READ catalogoObj CONSTANT)
    Q_PROPERTY(LineasPedido *lineasPedido READ lineasPedidoObj CONSTANT)
    Q_PROPERTY(Modificadores *modificadores READ modificadoresObj CONSTANT)
    Q_PROPERTY(Mesas *mesas READ mesasObj CONSTANT)
    Q_PROPERTY(EnvioComanda *envioComanda READ envioComandaObj CONSTANT)
    Q_PROPERTY(ComandasAbiertas *comandasAbiertas READ comandasAbiertasObj CONSTANT)
    Q_PROPERTY(Surtido *surtido READ surtidoObj CONSTANT)
    Q_PROPERTY(Resumen *resumen READ resumenObj CONSTANT)

public:
    static constexpr int AnchoVentana = 452;
    static constexpr int AltoVentana = 775;

    explicit TTabbedForm(Plataforma plataforma, QObject *parent = nullptr);
    ~TTabbedForm() override;

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

    // The window's own handlers.
    void FormCreate();
    void ReIniciar();
    [[nodiscard]] bool AccesoAModulo(int x) const;
    /// A request to close the window: true when it may close.
    Q_INVOKABLE bool FormCloseQuery();
    Q_INVOKABLE void CerrarBtnClick();
    Q_INVOKABLE void FormResize(int anchoVentana);

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
    [[nodiscard]] bool tecladoVisible() const;
    [[nodiscard]] QDateTime ahora() const;
    [[nodiscard]] CentroNotificaciones *NotificationCenter1() const { return m_plataforma.notificaciones1.get(); }
    [[nodiscard]] CentroNotificaciones *NotificationCenter2() const { return m_plataforma.notificaciones2.get(); }

    // The subsystems' handlers.
    [[nodiscard]] Navegacion &navegacion() { return *m_navegacion; }
    [[nodiscard]] Ajustes &ajustes() { return *m_ajustes; }
    [[nodiscard]] Sesion &sesion() { return *m_sesion; }
    [[nodiscard]] Catalogo &catalogo() { return *m_catalogo; }
    [[nodiscard]] LineasPedido &lineasPedido() { return *m_lineasPedido; }
    [[nodiscard]] Modificadores &modificadores() { return *m_modificadores; }
    [[nodiscard]] Mesas &mesas() { return *m_mesas; }
    [[nodiscard]] EnvioComanda &envioComanda() { return *m_envioComanda; }
    [[nodiscard]] ComandasAbiertas &comandasAbiertas() { return *m_comandasAbiertas; }
    [[nodiscard]] Surtido &surtido() { return *m_surtido; }
    [[nodiscard]] Resumen &resumen() { return *m_resumen; }

signals:
    void activeTabChanged();
    /// The user left through "Salir": the window must close now.
    void salir();

private:
    Dialogos *dialogosObj() { return &dialogos; }
    ActivityDialog *activityObj() { return &ActivityDialog1; }
    Navegacion *navegacionObj();
    Ajustes *ajustesObj();
    Sesion *sesionObj();
    Catalogo *catalogoObj();
    LineasPedido *lineasPedidoObj();
    Modificadores *modificadoresObj();
    Mesas *mesasObj();
    EnvioComanda *envioComandaObj();
    ComandasAbiertas *comandasAbiertasObj();
    Surtido *surtidoObj();
    Resumen *resumenObj();

    Plataforma m_plataforma;
    QString m_activeTab = Pestana::TabItem1;
    std::unique_ptr<Navegacion> m_navegacion;
    std::unique_ptr<Ajustes> m_ajustes;
    std::unique_ptr<Sesion> m_sesion;
    std::unique_ptr<Catalogo> m_catalogo;
    std::unique_ptr<LineasPedido> m_lineasPedido;
    std::unique_ptr<Modificadores> m_modificadores;
    std::unique_ptr<Mesas> m_mesas;
    std::unique_ptr<EnvioComanda> m_envioComanda;
    std::unique_ptr<ComandasAbiertas> m_comandasAbiertas;
    std::unique_ptr<Surtido> m_surtido;
    std::unique_ptr<Resumen> m_resumen;
};
