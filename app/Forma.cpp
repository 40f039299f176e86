#include "app/Forma.h"
#include <QCoreApplication>

Forma::Forma(Plataforma plataforma, std::function<void(Estado &)> datosDemo, QObject *parent)
    : QObject(parent), m_plataforma(std::move(plataforma)), m_datosDemo(std::move(datosDemo))
{
    TimerWait.setInterval(500);
    connect(&TimerWait, &QTimer::timeout, this, &Forma::TimerWaitTimer);
    TimerSur.setInterval(60000);
    // Owned here, never by the screens that read them.
    for (QObject *o : std::initializer_list<QObject *>{&dialogos, &ActivityDialog1, &tareas})
        o->setParent(this);
}

Forma::~Forma()
{
    // A running task hands steps to this window: let it finish, at once, before anything goes.
    cancelarLlamadas();
    tareas.esperar();
}

void Forma::setActiveTab(const QString &tab)
{
    if (m_activeTab != tab) {
        m_activeTab = tab;
        emit activeTabChanged();
    }
}

void Forma::cancelarLlamadas()
{
    if (m_plataforma.servicio)
        SoapClient1().cancelarLlamadas();
}

bool Forma::tecladoVisible() const { return m_plataforma.tecladoVisible && m_plataforma.tecladoVisible(); }

QDateTime Forma::ahora() const
{
    return m_plataforma.ahora ? m_plataforma.ahora() : QDateTime::currentDateTime();
}

void Forma::ReIniciar()
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
        if (m_datosDemo)
            m_datosDemo(estado);
        estado.MesasCargadas = true;
        estado.CategoriasCargadas = true;
    }
}

bool Forma::AccesoAModulo(int x) const
{
    return x >= 1 && estado.Modulos.size() >= x && estado.Modulos[x - 1] == u'T';
}

void Forma::CerrarBtnClick()
{
    estado.ListaProductos = {};
    estado.Salida = true;
    // The window closes now: a call still running must not hold it.
    cancelarLlamadas();
    emit salir();
}

void Forma::FormResize(int anchoVentana)
{
    const int ancho = anchoVentana / 3 - 5;
    for (Control *b : {&controles.Btn1, &controles.Btn2, &controles.Btn3})
        b->setWidth(ancho);
}

void Forma::CargarEspera(const QString &s)
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

void Forma::DesCargarEspera()
{
    controles.LabelWait.setText({});
    controles.WaitLayout.setVisible(false);
    controles.ContentLayout.setOpacity(1);
    controles.ContentLayout.setEnabled(true);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    TimerWait.stop();
    controles.TimerWait.setEnabled(false);
}

void Forma::TimerWaitTimer()
{
    // The indicator animates itself; the tick keeps it marked as moving.
    controles.AniIndicator1.setValue(controles.AniIndicator1.value() + 1);
}

void Forma::MostrarActividad(const QString &dialogo, const QString &espera)
{
    ActivityDialog1.setMessage(dialogo);
    ActivityDialog1.show();
    UpdateEspera(espera);
}

bool Forma::QuitarActividad(const QString &smsg)
{
    ActivityDialog1.hide();
    DesCargarEspera();
    if (smsg.isEmpty())
        return true;
    MostrarMensaje(smsg);
    return false;
}
