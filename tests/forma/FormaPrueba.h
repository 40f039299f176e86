#pragma once
#include "NotificacionesFalsas.h"
#include "ServicioFalso.h"
#include "shell/TTabbedForm.h"
#include <QTemporaryDir>
#include <functional>
#include <memory>

/// A main window for tests: its own empty documents folder (optionally with a settings
/// file written before start-up), regional settings ".", "," and "$", a ServicioFalso in
/// place of the server, fake notification centres and a keyboard flag.
class FormaPrueba {
public:
    /// `ini`: the settings file's content before start-up; empty for none.
    explicit FormaPrueba(const QString &ini = {});
    /// The same with a real service client in place of the fake (for tests against wstrazen-sim).
    FormaPrueba(const QString &ini, std::shared_ptr<ClienteServicio> real);
    /// The same, with the platform adjusted before the form is made (real notification
    /// centres, for instance).
    FormaPrueba(const QString &ini, std::shared_ptr<ClienteServicio> real,
                const std::function<void(Plataforma &)> &ajustar);
    /// A form started in a documents folder that outlives it: a second form in the same
    /// folder is the client started again.
    struct EnCarpeta {
        QString carpeta;
    };
    FormaPrueba(const QString &ini, EnCarpeta carpeta, std::shared_ptr<ClienteServicio> real = {});
    ~FormaPrueba();

    [[nodiscard]] QString carpeta() const { return m_carpeta.isEmpty() ? m_dir.path() : m_carpeta; }
    /// Waits until no background task runs (false after the time-out).
    bool esperarTarea(int ms = 15000);
    /// A settings file that starts in server mode against a fake address.
    static QString iniServidor(const QString &extra = {});
    /// A settings file that starts in server mode against that address.
    static QString iniCon(const QString &wsdl, const QString &extra = {});

    /// The message dialogs waiting, oldest first, each answered with OK.
    QStringList mensajes();

    /// Signs in (demo or fake server) and waits for it; true when signed in.
    bool iniciarSesion();

    std::shared_ptr<ServicioFalso> servicio = std::make_shared<ServicioFalso>();
    std::shared_ptr<ClienteServicio> real; // when set, the form uses it instead of `servicio`
    std::shared_ptr<NotificacionesFalsas> notif1 = std::make_shared<NotificacionesFalsas>();
    std::shared_ptr<NotificacionesFalsas> notif2 = std::make_shared<NotificacionesFalsas>();
    bool teclado = false;

private:
    QTemporaryDir m_dir;
    QString m_carpeta; // a folder of the test's, when given

public:
    std::unique_ptr<TTabbedForm> forma;
    TTabbedForm &f;
};
