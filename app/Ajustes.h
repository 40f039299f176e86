#pragma once
#include "app/Controlador.h"
#include "storage/ArchivoIni.h"

/// The display and connection settings screens, the settings file and the saved
/// product list's file.
class Ajustes : public Controlador {
    Q_OBJECT
public:
    static constexpr const char *Seccion = "AppMovil";

    explicit Ajustes(Forma &f);

    /// Applies the display settings to the lists and stores them.
    Q_INVOKABLE void SetSettings();
    /// Rebuilds the service address from the server name.
    Q_INVOKABLE void DNSChange();
    /// OK on the connection screen: store, sign out, reset, empty the saved products.
    Q_INVOKABLE void OKBtnClick();
    Q_INVOKABLE void GuardarURLBtnClick();
    /// "Guardar" and "Depurar" of the saved product list.
    Q_INVOKABLE void GuardarClick();
    Q_INVOKABLE void Button2Click();

    void SaveProductos();
    void LoadProductos();

    /// Loads the settings file into the controls (at start).
    void CargarConfiguracion();

    // The settings file, section "AppMovil". A failed write is told to the user once per action.
    [[nodiscard]] QString leer(const QString &clave, const QString &porDefecto) const;
    [[nodiscard]] bool leerBool(const QString &clave, bool porDefecto) const;
    /// Stores the keys of one save in one write of the file.
    bool escribir(const ValoresConfig &valores);
    bool escribir(const QString &clave, const QString &valor) { return escribir(ValoresConfig{{clave, valor}}); }
    [[nodiscard]] static QString textoBool(bool valor) { return valor ? QStringLiteral("1") : QStringLiteral("0"); }

private:
    bool m_avisado = false; // a failed write already told during this action
};
