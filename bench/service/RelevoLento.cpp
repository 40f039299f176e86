#include "RelevoLento.h"
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace {
/// One client and its connection to the server.
struct Tramo {
    QTcpSocket *cliente;
    QTcpSocket *servidor;
    QByteArray pendiente; // from the server, not yet let through
    QElapsedTimer reloj;  // since the first byte waited
    qint64 enviados = 0;  // let through since then
};
} // namespace

RelevoLento::RelevoLento(quint16 puertoDestino, qint64 bytesPorSegundo)
    : m_destino(puertoDestino), m_bytesPorSegundo(bytesPorSegundo)
{
    start();
    while (m_puerto.load() == 0)
        QThread::msleep(1);
}

RelevoLento::~RelevoLento()
{
    quit();
    wait();
}

void RelevoLento::run()
{
    QTcpServer escucha;
    escucha.listen(QHostAddress::LocalHost);
    QList<std::shared_ptr<Tramo>> tramos;
    QTimer paso;
    paso.setTimerType(Qt::PreciseTimer);
    const auto dejarPasar = [&](Tramo &t) {
        if (t.pendiente.isEmpty())
            return;
        const qint64 permitidos = m_bytesPorSegundo <= 0 ? t.pendiente.size()
                                                         : t.reloj.nsecsElapsed() * m_bytesPorSegundo / 1'000'000'000 - t.enviados;
        const qint64 n = std::min<qint64>(permitidos, t.pendiente.size());
        if (n <= 0)
            return;
        t.cliente->write(t.pendiente.constData(), n);
        t.cliente->flush();
        t.pendiente.remove(0, n);
        t.enviados += n;
        m_ultimo.store(std::chrono::steady_clock::now().time_since_epoch().count());
    };
    QObject::connect(&paso, &QTimer::timeout, [&] {
        for (const auto &t : std::as_const(tramos))
            dejarPasar(*t);
    });
    paso.start(2);
    QObject::connect(&escucha, &QTcpServer::newConnection, [&] {
        while (QTcpSocket *c = escucha.nextPendingConnection()) {
            auto t = std::make_shared<Tramo>(Tramo{c, new QTcpSocket(c), {}, {}, 0});
            tramos.append(t);
            QObject::connect(c, &QTcpSocket::readyRead, [t] { t->servidor->write(t->cliente->readAll()); });
            QObject::connect(t->servidor, &QTcpSocket::readyRead, [this, t, &dejarPasar] {
                if (t->pendiente.isEmpty()) { // the link was idle: the pace starts again
                    t->reloj.start();
                    t->enviados = 0;
                }
                t->pendiente += t->servidor->readAll();
                if (m_bytesPorSegundo <= 0) // no pace: straight through
                    dejarPasar(*t);
            });
            QObject::connect(c, &QTcpSocket::disconnected, [t] { t->servidor->disconnectFromHost(); });
            t->servidor->connectToHost(QHostAddress::LocalHost, m_destino);
        }
    });
    m_puerto.store(escucha.serverPort());
    exec();
    for (const auto &t : std::as_const(tramos))
        delete t->cliente;
}
