#pragma once
#include "app/Forma.h"
#include <memory>

class Navegacion;
class Ajustes;
class Sesion;
class Catalogo;
class LineasPedido;
class Modificadores;
class RespaldoComanda;
class Mesas;
class EnvioComanda;
class ComandasAbiertas;
class Surtido;
class Resumen;

/// The main window: the model with every subsystem's controller built on it and wired
/// together, as the screens see it. Creating it runs FormCreate.
class TTabbedForm : public Forma {
    Q_OBJECT
    // The controllers' properties are typed: the screens see each one's handlers.
    Q_MOC_INCLUDE("shell/Navegacion.h")
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
    explicit TTabbedForm(Plataforma plataforma, QObject *parent = nullptr);
    ~TTabbedForm() override;

    // The window's own handlers.
    void FormCreate();
    /// A request to close the window: true when it may close.
    Q_INVOKABLE bool FormCloseQuery();

    // The subsystems' handlers.
    [[nodiscard]] Navegacion &navegacion() { return *m_navegacion; }
    [[nodiscard]] Ajustes &ajustes() { return *m_ajustes; }
    [[nodiscard]] Sesion &sesion() { return *m_sesion; }
    [[nodiscard]] Catalogo &catalogo() { return *m_catalogo; }
    [[nodiscard]] LineasPedido &lineasPedido() { return *m_lineasPedido; }
    [[nodiscard]] Modificadores &modificadores() { return *m_modificadores; }
    [[nodiscard]] RespaldoComanda &respaldo() { return *m_respaldo; }
    [[nodiscard]] Mesas &mesas() { return *m_mesas; }
    [[nodiscard]] EnvioComanda &envioComanda() { return *m_envioComanda; }
    [[nodiscard]] ComandasAbiertas &comandasAbiertas() { return *m_comandasAbiertas; }
    [[nodiscard]] Surtido &surtido() { return *m_surtido; }
    [[nodiscard]] Resumen &resumen() { return *m_resumen; }

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

    // Built in this order: each is given the ones before it that it needs.
    std::unique_ptr<Ajustes> m_ajustes;
    std::unique_ptr<RespaldoComanda> m_respaldo;
    std::unique_ptr<Catalogo> m_catalogo;
    std::unique_ptr<LineasPedido> m_lineasPedido;
    std::unique_ptr<Modificadores> m_modificadores;
    std::unique_ptr<Sesion> m_sesion;
    std::unique_ptr<Mesas> m_mesas;
    std::unique_ptr<EnvioComanda> m_envioComanda;
    std::unique_ptr<ComandasAbiertas> m_comandasAbiertas;
    std::unique_ptr<Surtido> m_surtido;
    std::unique_ptr<Resumen> m_resumen;
    std::unique_ptr<Navegacion> m_navegacion;
};
