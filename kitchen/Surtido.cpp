#include "kitchen/Surtido.h"
#include "app/CentroNotificaciones.h"
#include "app/TareaServicio.h"
#include "kitchen/FilasSurtido.h"
#include "kitchen/MensajeConexion.h"
#include <algorithm>

const QString Surtido::NombreAviso = QStringLiteral("POS");
const QString Surtido::CuerpoAviso = QStringLiteral("Hay Platillos listos para servir");

/// What one poll carries between its thread and the screen.
struct Surtido::Tarea {
    int Marcar = 0;
    int Platillos = 0;
    bool demo = false;    // as the task read it when it started
    int impresora = 0;    // read when the poll starts
};

Surtido::Surtido(Forma &form)
    : Controlador(form)
{
    c.ListPla.setFonts(20, 13, 18, 13);
    connect(&f.TimerSur, &QTimer::timeout, this, &Surtido::TimerSurTimer);
    connect(&c.SwitchSur, &Control::toggled, this, &Surtido::SwitchSurSwitch);
    connect(&c.Impresora, &Control::chosen, this, &Surtido::ImpresoraChange);
    connect(&c.MarcarSurtidoBtn, &Control::clicked, this, &Surtido::MarcarSurtidoBtnClick);
    connect(&c.CancelarNotificacionBtn, &Control::clicked, this, &Surtido::CancelarNotificacionBtnClick);
    if (auto *centro = f.NotificationCenter1())
        connect(centro, &CentroNotificaciones::permiso, this, &Surtido::NotificationCenter1PermissionRequestResult);
    if (auto *centro = f.NotificationCenter2())
        connect(centro, &CentroNotificaciones::permiso, this, &Surtido::NotificationCenter2PermissionRequestResult);
}

void Surtido::PedirSurtido(int Marcar)
{
    if (!e.IsLogged)
        return;
    // A plain poll asked for before the permission answer arrives (a timer tick) must not
    // undo the waiter's "Marcar como Leído": the request to mark stays until a poll takes it.
    e.MarcarPendiente = std::max(e.MarcarPendiente, Marcar);
    if (auto *centro = f.NotificationCenter1())
        centro->pedirPermiso();
    else
        NotificationCenter1PermissionRequestResult(true); // no notification service to ask
}

void Surtido::NotificationCenter1PermissionRequestResult(bool concedido)
{
    // The answer comes later: a sign-out in between cancels the poll.
    if (!concedido || !e.IsLogged)
        return;
    c.MarcarSurtidoBtn.setVisible(false);
    c.ListPla.setVisible(false);
    iniciarPoll();
}

void Surtido::iniciarPoll()
{
    auto t = std::make_shared<Tarea>();
    t->Marcar = e.MarcarPendiente;
    e.MarcarPendiente = 0;
    t->impresora = c.Impresora.itemIndex() < 0 ? 0 : c.Impresora.itemIndex();
    IniciarTareaConFin(
        f, {QStringLiteral("Conectando"), QStringLiteral("Obteniendo Surtido"), MensajeSinConexion},
        [this, t](Llamada &ll) {
            t->demo = ll.demo;
            if (ll.demo) {
                t->Platillos = t->Marcar == 0 ? 2 : 0;
            } else {
                int platillos = 0;
                auto lista = ll.itrazen()->ObtenerSurtido(ll.user, ll.pass, t->impresora, t->Marcar, platillos);
                t->Platillos = platillos;
                ll.ui([&] { e.ListaSurtidoActual = lista.value_or(TListaSurtido{}); });
            }
            ll.ui([&] { mostrarResultado(*t); });
        },
        [this, t](const QString &smsg) {
            f.QuitarActividad({});
            if (smsg.isEmpty())
                return;
            // The count the notification repeats is no longer known: it stops. With the
            // server down and the automatic check on, one word of it is enough, not one
            // more every minute.
            if (!t->demo)
                QuitarNotificacion(NombreAviso, f.NotificationCenter1());
            if (!f.dialogos.enCola(smsg.section(u'\r', 0, 0)))
                f.MostrarMensaje(smsg);
        });
}

void Surtido::mostrarResultado(const Tarea &t)
{
    if (t.Platillos > 0) {
        if (!t.demo)
            ProgramarNotificacion(t.Platillos, NombreAviso, CuerpoAviso, f.NotificationCenter1(), 0);
        c.MarcarSurtidoBtn.setVisible(true);
        c.ListPla.setVisible(true);
        c.LabelSer.setText(QStringLiteral("Ordenes a Servir"));
        c.PlatillosT.setVisible(true);
        llenarConPlatillos();
    } else {
        if (!t.demo)
            QuitarNotificacion(NombreAviso, f.NotificationCenter1());
        c.LabelSer.setText(QStringLiteral("No hay ordenes"));
        c.PlatillosT.setVisible(false);
        llenarConMemoria(); // the list stays hidden
    }
    c.PlatillosT.setText(QString::number(t.Platillos));
}

void Surtido::llenarConPlatillos()
{
    e.NumMemSurtido = 0;
    c.ListPla.beginUpdate();
    c.ListPla.clear();
    ParaCada(e.ListaSurtidoActual.ArraySurtido, e.ListaSurtidoActual.Count, [&](const TSurtido &s, qsizetype) {
        const FilaSurtido fila = FilaDe(s);
        c.ListPla.add(ListaVista::Item, fila.texto, fila.detalle);
        // Every dish is listed; the memory keeps as many as it has room for.
        if (e.NumMemSurtido < int(e.MemSurtido.size()))
            e.MemSurtido[e.NumMemSurtido++] = Recordar(s);
    });
    c.ListPla.endUpdate();
}

void Surtido::llenarConMemoria()
{
    c.ListPla.beginUpdate();
    c.ListPla.clear();
    for (int i = 0; i < e.NumMemSurtido; ++i) {
        const FilaSurtido fila = FilaDe(e.MemSurtido[i]);
        c.ListPla.add(ListaVista::Item, fila.texto, fila.detalle);
    }
    c.ListPla.endUpdate();
}

void Surtido::MarcarSurtidoBtnClick()
{
    f.dialogos.Confirmar(QStringLiteral("¿Marcar como Leído?"), [this] {
        PedirSurtido(1);
        CancelarNotificacionBtnClick();
        c.ListPla.setVisible(false);
    });
}

void Surtido::CancelarNotificacionBtnClick()
{
    if (auto *centro = f.NotificationCenter2())
        centro->pedirPermiso();
    else
        NotificationCenter2PermissionRequestResult(true);
}

void Surtido::NotificationCenter2PermissionRequestResult(bool concedido)
{
    if (concedido)
        QuitarNotificacion(NombreAviso, f.NotificationCenter1());
}

void Surtido::ImpresoraChange()
{
    if (e.IsLogged)
        PedirSurtido(0);
}

void Surtido::SwitchSurSwitch()
{
    const bool activo = c.SwitchSur.checked();
    if (activo)
        f.TimerSur.start();
    else
        f.TimerSur.stop();
    c.TimerSur.setEnabled(activo);
}

void Surtido::ProgramarNotificacion(int numero, const QString &nombre, const QString &cuerpo,
                                    CentroNotificaciones *centro, int segundos)
{
    if (!centro)
        return;
    Notificacion n;
    n.numero = numero;
    n.nombre = nombre;
    n.cuerpo = cuerpo;
    n.fecha = f.ahora().addSecs(segundos);
    n.repetirSeg = RepeticionSeg;
    centro->programar(n);
}

void Surtido::QuitarNotificacion(const QString &nombre, CentroNotificaciones *centro)
{
    if (centro)
        centro->cancelar(nombre);
}
