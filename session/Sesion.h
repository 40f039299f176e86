#pragma once
#include "app/Controlador.h"

class Ajustes;
class RespaldoComanda;

/// Sign-in: against the server in four stages (version, access, company, printers), or
/// at once in demo mode; and the company shown on the main menu.
class Sesion : public Controlador {
    Q_OBJECT
public:
    static constexpr int VersionMinima = 10078;
    static constexpr int VersionApp = 10182;

    Sesion(Forma &f, Ajustes &ajustes, RespaldoComanda &respaldo);

    /// OK on the sign-in screen.
    Q_INVOKABLE void OKBtnClick();
    Q_INVOKABLE void LoginBtnClick();

    /// The company data a sign-in received.
    struct Empresa {
        QString Nombre, Comercial, RFC, Domicilio, Telefono, Correo;
    };
    /// Fills the company labels and tile and shows the main menu.
    void LlenarEmpresa(const Empresa &emp);

    /// The message of a refused service version, or empty when it is accepted.
    [[nodiscard]] static QString MensajeVersion(int v);

private:
    void IniciarDemo();
    void IniciarServidor();
    void LlenarTiposDeCambio();

    Ajustes &m_ajustes;
    RespaldoComanda &m_respaldo;
};
