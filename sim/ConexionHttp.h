#pragma once
#include "sim/Http.h"
#include <QObject>
#include <QTimer>

class QTcpSocket;

/// One client's connection to the sim: reads its requests one after another, hands each
/// to the handler and sends the answer as the answer asks, before it reads the next.
/// Goes away with its socket.
class ConexionHttp : public QObject {
    Q_OBJECT
public:
    ConexionHttp(QTcpSocket *socket, ManejadorHttp manejador, QObject *padre);

private:
    void leer();
    /// Answers the first request in the buffer; false while it is not whole.
    bool atenderUna();
    void responder(const RespuestaHttp &r, bool cerrar, bool sinCuerpo);
    void enviar(const QByteArray &bytes, int goteoMs, bool cerrar);
    void rechazar(int estado, const QByteArray &texto);
    void terminada(bool cerrar);

    QTcpSocket *m_socket;
    ManejadorHttp m_manejador;
    QByteArray m_entrada;
    bool m_ocupada = false;  // an answer is on its way: later requests wait
    bool m_cerrada = false;  // no more requests are read
    bool m_continuar = false; // "100 Continue" already sent for the request in the buffer
    QTimer m_goteo;
    QByteArray m_resto; // what the drip still has to send
    bool m_cerrarTrasGoteo = false;
};
