#include "app/TTabbedForm.h"
#include "app/Pestanas.h"
#include "app/Ajustes.h"
#include "app/CentroNotificaciones.h"
#include "app/Navegacion.h"
#include "catalogue/Catalogo.h"
#include "kitchen/Resumen.h"
#include "kitchen/Surtido.h"
#include "order/Modificadores.h"
#include "order/LineasPedido.h"
#include "session/DatosDemo.h"
#include "session/Sesion.h"
#include "tables/EnvioComanda.h"
#include "tables/ComandasAbiertas.h"
#include "tables/Mesas.h"
#include "util/Archivos.h"
#include <QCoreApplication>

TTabbedForm::TTabbedForm(Plataforma plataforma, QObject *parent)
    : QObject(parent), m_plataforma(std::move(plataforma))
{
    TimerWait.setInterval(500);
    connect(&TimerWait, &QTimer::timeout, this, &TTabbedForm::TimerWaitTimer);
    TimerSur.setInterval(60000);

    m_navegacion = std::make_unique<Navegacion>(*this);
    m_ajustes = std::make_unique<Ajustes>(*this);
    m_sesion = std::make_unique<Sesion>(*this);
    m_catalogo = std::make_unique<Catalogo>(*this);
    m_lineasPedido = std::make_unique<LineasPedido>(*this);
    m_modificadores = std::make_unique<Modificadores>(*this);
    m_mesas = std::make_unique<Mesas>(*this);
    m_envioComanda = std::make_unique<EnvioComanda>(*this);
    m_comandasAbiertas = std::make_unique<ComandasAbiertas>(*this);
    m_surtido = std::make_unique<Surtido>(*this);
    m_resumen = std::make_unique<Resumen>(*this);
    // Owned here, never by the screens that read them.
    for (QObject *o : std::initializer_list<QObject *>{
             &dialogos, &ActivityDialog1, &tareas, m_navegacion.get(), m_ajustes.get(), m_sesion.get(),
             m_catalogo.get(), m_lineasPedido.get(), m_modificadores.get(), m_mesas.get(), m_envioComanda.get(),
             m_comandasAbiertas.get(), m_surtido.get(), m_resumen.get()})
        o->setParent(this);

    FormCreate();
}

TTabbedForm::~TTabbedForm()
{
    // A running task hands steps to this window: let it finish, at once, before anything goes.
    if (m_plataforma.servicio)
        SoapClient1().cancelarLlamadas();
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

void TTabbedForm::setActiveTab(const QString &tab)
{
    if (m_activeTab != tab) {
        m_activeTab = tab;
        emit activeTabChanged();
    }
}

bool TTabbedForm::tecladoVisible() const { return m_plataforma.tecladoVisible && m_plataforma.tecladoVisible(); }

QDateTime TTabbedForm::ahora() const
{
    return m_plataforma.ahora ? m_plataforma.ahora() : QDateTime::currentDateTime();
}

void TTabbedForm::FormCreate()
{
    setActiveTab(Pestana::TabURL);
    if (m_plataforma.servicio)
        SoapClient1().setTimeouts(500000, 500000);
    controles.LabelVer.setText(QStringLiteral("Build 2.0.182"));
    navegacion().QuitarFondoTileList();
    estado.Salida = false;
    estado.IsLogged = false;
    estado.ArchivoConfig = RutaDocumento(QStringLiteral("NVTrazen.ini"));
    controles.TabItem1.setVisible(true);
    controles.TabURL.setVisible(true);
    controles.MenuBtn.setVisible(false);
    controles.LabelInfo.setText({});
    ReIniciar();
    controles.TabControl1.setChecked(false); // the tab strip stays hidden
    navegacion().CerrarSessionBtnClick();
    controles.iUser.enfocar(true);
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
    navegacion().Validar();
    navegacion().CambiarFondo();
    controles.VertScrollBox1.setValue(1200);
}

void TTabbedForm::ReIniciar()
{
    estado.MesasCargadas = false;
    estado.CategoriasCargadas = false;
    estado.UltimoFiltro.clear();
    estado.ListaCategorias = {};
    estado.ListaProductos = {};
    estado.ListaProductosRestaurada = false;
    estado.ListaSurtidoActual = {};
    estado.ListaMesasActual = {};
    estado.ListaComandasActual = {};
    estado.PedidoActual = PedidoNuevo();
    estado.MesaPedido.clear();
    estado.Envio = {};
    estado.setNumProductosGuardados(0);
    for (TileList *l : {&controles.ListaPro, &controles.ListaCat, &controles.ListaSubCat, &controles.ListaMesa})
        l->clear();
    if (estado.ModoDemo) {
        CargarDatosDemo(*this);
        estado.MesasCargadas = true;
        estado.CategoriasCargadas = true;
    }
}

bool TTabbedForm::AccesoAModulo(int x) const
{
    return x >= 1 && estado.Modulos.size() >= x && estado.Modulos[x - 1] == u'T';
}

bool TTabbedForm::FormCloseQuery()
{
    if (estado.Salida)
        return true;
    // A close asked for while a task runs (the system shutting down, the desktop closing the
    // window) ends the program at once: the running call is cut, nothing waits for it.
    if (tareas.ocupado()) {
        estado.Salida = true;
        if (m_plataforma.servicio)
            SoapClient1().cancelarLlamadas();
        return true;
    }
    if (m_activeTab != Pestana::TabItem1 && controles.BackBtn.visible())
        navegacion().BackBtn2Click();
    return false;
}

void TTabbedForm::CerrarBtnClick()
{
    estado.ListaProductos = {};
    estado.Salida = true;
    // The window closes now: a call still running must not hold it.
    if (m_plataforma.servicio)
        SoapClient1().cancelarLlamadas();
    emit salir();
}

void TTabbedForm::FormResize(int anchoVentana)
{
    const int ancho = anchoVentana / 3 - 5;
    for (Control *b : {&controles.Btn1, &controles.Btn2, &controles.Btn3})
        b->setWidth(ancho);
}

void TTabbedForm::CargarEspera(const QString &s)
{
    controles.AniIndicator1.setVisible(true);
    controles.AniIndicator1.setEnabled(true);
    controles.WaitLayout.setVisible(true);
    controles.LabelWait.setText(s);
    controles.ContentLayout.setOpacity(0.1);
    controles.ContentLayout.setEnabled(false);
    // Let the overlay paint before the long work starts.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    TimerWait.start();
    controles.TimerWait.setEnabled(true);
}

void TTabbedForm::DesCargarEspera()
{
    controles.LabelWait.setText({});
    controles.WaitLayout.setVisible(false);
    controles.ContentLayout.setOpacity(1);
    controles.ContentLayout.setEnabled(true);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    TimerWait.stop();
    controles.TimerWait.setEnabled(false);
}

void TTabbedForm::TimerWaitTimer()
{
    // The indicator animates itself; the tick keeps it marked as moving.
    controles.AniIndicator1.setValue(controles.AniIndicator1.value() + 1);
}

void TTabbedForm::MostrarActividad(const QString &dialogo, const QString &espera)
{
    ActivityDialog1.setMessage(dialogo);
    ActivityDialog1.show();
    UpdateEspera(espera);
}

bool TTabbedForm::QuitarActividad(const QString &smsg)
{
    ActivityDialog1.hide();
    DesCargarEspera();
    if (smsg.isEmpty())
        return true;
    MostrarMensaje(smsg);
    return false;
}
