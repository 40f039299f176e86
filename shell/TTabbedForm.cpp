#include "shell/TTabbedForm.h"
#include "app/Ajustes.h"
#include "catalogue/Catalogo.h"
#include "kitchen/Resumen.h"
#include "kitchen/Surtido.h"
#include "order/LineasPedido.h"
#include "order/Modificadores.h"
#include "order/RespaldoComanda.h"
#include "session/DatosDemo.h"
#include "session/Sesion.h"
#include "shell/Navegacion.h"
#include "tables/ComandasAbiertas.h"
#include "tables/EnvioComanda.h"
#include "tables/Mesas.h"
#include "util/Archivos.h"

TTabbedForm::TTabbedForm(Plataforma plataforma, QObject *parent)
    : Forma(std::move(plataforma), CargarDatosDemo, parent)
{
    Forma &f = *this;
    m_ajustes = std::make_unique<Ajustes>(f);
    m_respaldo = std::make_unique<RespaldoComanda>(f);
    m_catalogo = std::make_unique<Catalogo>(f);
    m_lineasPedido = std::make_unique<LineasPedido>(f, *m_respaldo);
    m_modificadores = std::make_unique<Modificadores>(f, *m_lineasPedido);
    m_sesion = std::make_unique<Sesion>(f, *m_ajustes, *m_respaldo);
    m_mesas = std::make_unique<Mesas>(f, *m_catalogo, *m_lineasPedido, *m_respaldo);
    m_envioComanda = std::make_unique<EnvioComanda>(f, *m_ajustes, *m_lineasPedido, *m_respaldo);
    m_comandasAbiertas = std::make_unique<ComandasAbiertas>(f);
    m_surtido = std::make_unique<Surtido>(f);
    m_resumen = std::make_unique<Resumen>(f);
    m_navegacion = std::make_unique<Navegacion>(
        f, Navegacion::Destinos{*m_ajustes, *m_sesion, *m_mesas, *m_comandasAbiertas, *m_surtido, *m_resumen});

    // The pairs that answer each other: a product with modifiers opens them, and a comanda
    // taken back from the disk shows its lines.
    connect(m_lineasPedido.get(), &LineasPedido::conModificadores, m_modificadores.get(),
            &Modificadores::MostrarModificador);
    connect(m_respaldo.get(), &RespaldoComanda::restaurada, m_lineasPedido.get(), &LineasPedido::LlenarPedido);

    // Owned here, never by the screens that read them.
    for (QObject *o : std::initializer_list<QObject *>{
             m_navegacion.get(), m_ajustes.get(), m_sesion.get(), m_catalogo.get(), m_lineasPedido.get(),
             m_modificadores.get(), m_respaldo.get(), m_mesas.get(), m_envioComanda.get(), m_comandasAbiertas.get(),
             m_surtido.get(), m_resumen.get()})
        o->setParent(this);

    FormCreate();
}

TTabbedForm::~TTabbedForm()
{
    // A running task hands steps to the controllers: let it finish, at once, before they go.
    cancelarLlamadas();
    tareas.esperar();
}

Navegacion *TTabbedForm::navegacionObj() { return m_navegacion.get(); }
Ajustes *TTabbedForm::ajustesObj() { return m_ajustes.get(); }
Sesion *TTabbedForm::sesionObj() { return m_sesion.get(); }
Catalogo *TTabbedForm::catalogoObj() { return m_catalogo.get(); }
LineasPedido *TTabbedForm::lineasPedidoObj() { return m_lineasPedido.get(); }
Modificadores *TTabbedForm::modificadoresObj() { return m_modificadores.get(); }
Mesas *TTabbedForm::mesasObj() { return m_mesas.get(); }
EnvioComanda *TTabbedForm::envioComandaObj() { return m_envioComanda.get(); }
ComandasAbiertas *TTabbedForm::comandasAbiertasObj() { return m_comandasAbiertas.get(); }
Surtido *TTabbedForm::surtidoObj() { return m_surtido.get(); }
Resumen *TTabbedForm::resumenObj() { return m_resumen.get(); }

void TTabbedForm::FormCreate()
{
    setActiveTab(Pestana::TabURL);
    if (conServicio())
        SoapClient1().setTimeouts(500000, 500000);
    controles.LabelVer.setText(QStringLiteral("Build 2.0.182"));
    QuitarFondoTileList();
    estado.Salida = false;
    estado.IsLogged = false;
    estado.ArchivoConfig = RutaDocumento(QStringLiteral("NVTrazen.ini"));
    controles.TabItem1.setVisible(true);
    controles.TabURL.setVisible(true);
    controles.MenuBtn.setVisible(false);
    controles.LabelInfo.setText({});
    ReIniciar();
    controles.TabControl1.setChecked(false); // the tab strip stays hidden
    CerrarSessionBtnClick();
    controles.iUser.setFocus(true);
    controles.MultiView1.setVisible(false);

    ajustes().CargarConfiguracion();
    const QString url = controles.URLWSDL.text().trimmed();
    if (!url.isEmpty() && url != DireccionMarcador) {
        if (controles.SwitchUser.checked()) {
            controles.iUser.setText(ajustes().leer(QStringLiteral("User"), {}));
            controles.iPass.setText(ajustes().leer(QStringLiteral("Pass"), {}));
        }
    } else {
        controles.iUser.setText(ajustes().leer(QStringLiteral("User"), QStringLiteral("Admin")));
        controles.iPass.setText(ajustes().leer(QStringLiteral("Pass"), QStringLiteral("579")));
        estado.ModoDemo = true;
        controles.Btn2.setVisible(false);
        estado.VersionServicio = 20100;
        ReIniciar();
    }
    Validar();
    CambiarFondo();
    controles.VertScrollBox1.setValue(1200);
}

bool TTabbedForm::FormCloseQuery()
{
    if (estado.Salida)
        return true;
    // A close asked for while a task runs (the system shutting down, the desktop closing the
    // window) ends the program at once: the running call is cut, nothing waits for it.
    if (tareas.ocupado()) {
        estado.Salida = true;
        cancelarLlamadas();
        return true;
    }
    if (activeTab() != Pestana::TabItem1 && controles.BackBtn.visible())
        navegacion().BackBtn2Click();
    return false;
}
