#pragma once
#include "app/Controlador.h"

class CentroNotificaciones;

/// Ready-dish polling: the "PLATILLOS LISTOS" screen, its printer filter and automatic
/// check, marking the dishes as read, and the local notification that repeats until
/// the waiter silences it.
class Surtido : public Controlador {
    Q_OBJECT
public:
    static constexpr int IntervaloTimer = 60000;
    static constexpr int RepeticionSeg = 60;

    explicit Surtido(Forma &f);

    /// Requests one poll (the handler `Surtido`, renamed: a member cannot carry its class's
    /// name); `Marcar` 1 also marks the reported dishes as read. Nothing happens while
    /// nobody is signed in.
    Q_INVOKABLE void PedirSurtido(int Marcar);
    /// The header's refresh button on this screen.
    Q_INVOKABLE void Refresh() { PedirSurtido(0); }

    Q_INVOKABLE void MarcarSurtidoBtnClick();
    /// "Silenciar" on the settings screen.
    Q_INVOKABLE void CancelarNotificacionBtnClick();
    void ImpresoraChange();
    void SwitchSurSwitch();
    void TimerSurTimer() { PedirSurtido(0); }

    void NotificationCenter1PermissionRequestResult(bool concedido);
    void NotificationCenter2PermissionRequestResult(bool concedido);

    /// Schedules a local notification first shown `segundos` from now, repeated every minute.
    void ProgramarNotificacion(int numero, const QString &nombre, const QString &cuerpo, CentroNotificaciones *centro,
                               int segundos);
    void QuitarNotificacion(const QString &nombre, CentroNotificaciones *centro);

    static const QString NombreAviso; // "POS"
    static const QString CuerpoAviso; // "Hay Platillos listos para servir"

private:
    struct Tarea;
    void iniciarPoll();
    void mostrarResultado(const Tarea &t);
    void llenarConPlatillos();
    void llenarConMemoria();
};
