#include "service/IntercambioHttp.h"
#include <QSslSocket>
#include <QTcpSocket>

namespace {
constexpr qint64 BufferLectura = 256 * 1024; // what the connection may hold unread
constexpr qsizetype Trozo = 64 * 1024;       // handed to the reader at a time
constexpr int VigiaMs = 20;                  // how often the deadline and the cancellation are looked at

QString MensajeRed(QAbstractSocket::SocketError e, const QString &s, const QString &texto)
{
    switch (e) {
    case QAbstractSocket::ConnectionRefusedError: return QStringLiteral("El servidor %1 rechazó la conexión").arg(s);
    case QAbstractSocket::HostNotFoundError: return QStringLiteral("No se encontró el servidor %1").arg(s);
    case QAbstractSocket::RemoteHostClosedError: return QStringLiteral("El servidor %1 cerró la conexión").arg(s);
    case QAbstractSocket::SocketTimeoutError: return QStringLiteral("Tiempo de espera agotado con el servidor %1").arg(s);
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::TemporaryError: return QStringLiteral("No hay red para llegar al servidor %1").arg(s);
    default: return QStringLiteral("Error de comunicación con el servidor %1: %2").arg(s, texto);
    }
}
} // namespace

IntercambioHttp::IntercambioHttp(QUrl url, TransporteHttp::Tiempos tiempos, qint64 limiteBytes,
                                 const std::atomic<bool> *cancelada)
    : m_url(std::move(url)), m_servidor(m_url.authority()), m_tiempos(tiempos), m_limite(limiteBytes),
      m_cancelada(cancelada), m_respuesta(QStringLiteral("La respuesta del servidor %1").arg(m_servidor)),
      m_trozo(Trozo, Qt::Uninitialized)
{
    QObject::connect(&m_vigia, &QTimer::timeout, &m_bucle, [this] { revisar(); });
}

IntercambioHttp::~IntercambioHttp() = default;

TransporteHttp::Resultado IntercambioHttp::ejecutar(const QByteArray &cabeza, const QByteArray *cuerpo,
                                                    const TransporteHttp::Lector &lector,
                                                    const AlCabeceras &alCabeceras)
{
    m_cabeza = &cabeza;
    m_cuerpo = cuerpo;
    m_lector = &lector;
    m_alCabeceras = &alCabeceras;
    const bool segura = m_url.scheme().compare(u"https", Qt::CaseInsensitive) == 0;
    if (segura && !QSslSocket::supportsSsl())
        throw ErrorServicio(QStringLiteral("No hay soporte de TLS para llegar al servidor %1").arg(m_servidor));
    if (segura) {
        auto *ssl = new QSslSocket;
        m_socket.reset(ssl);
        QObject::connect(ssl, &QSslSocket::encrypted, &m_bucle, [this] { enviarPeticion(); });
    } else {
        m_socket = std::make_unique<QTcpSocket>();
    }
    QTcpSocket &s = *m_socket;
    // Unread bytes stay in the kernel, not here, while the reader works on what came.
    s.setReadBufferSize(BufferLectura);
    QObject::connect(&s, &QAbstractSocket::connected, &m_bucle, [this] { conectado(); });
    QObject::connect(&s, &QIODevice::readyRead, &m_bucle, [this] { leer(); });
    QObject::connect(&s, &QAbstractSocket::disconnected, &m_bucle, [this] { cierre(); });
    QObject::connect(&s, &QAbstractSocket::errorOccurred, &m_bucle, [this](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::RemoteHostClosedError)
            return cierre();
        m_errorRed = e;
        m_textoRed = m_socket->errorString();
        cortar(Corte::Red);
    });

    m_plazo = QDeadlineTimer(m_tiempos.conectarMs);
    m_vigia.start(VigiaMs);
    const quint16 puerto = quint16(m_url.port(segura ? 443 : 80));
    if (segura)
        static_cast<QSslSocket &>(s).connectToHostEncrypted(m_url.host(), puerto);
    else
        s.connectToHost(m_url.host(), puerto);
    revisar();
    if (m_corte == Corte::Ninguno) // an exit asked for before exec() would be lost
        m_bucle.exec(QEventLoop::ExcludeUserInputEvents);
    m_vigia.stop();
    // Nothing more goes out or comes in: the connection is never used again.
    QObject::disconnect(&s, nullptr, &m_bucle, nullptr);
    s.abort();
    if (m_corte == Corte::Fin || m_corte == Corte::Lector)
        return m_resultado;
    throw error();
}

void IntercambioHttp::conectado()
{
    m_conectado = true;
    // From here the request and the whole reply share one deadline.
    m_plazo = QDeadlineTimer(m_tiempos.recibirMs);
    if (!qobject_cast<QSslSocket *>(m_socket.get()))
        enviarPeticion();
}

void IntercambioHttp::enviarPeticion()
{
    if (m_socket->write(*m_cabeza) > 0)
        m_enviada = true;
    if (m_cuerpo && !m_cuerpo->isEmpty())
        m_socket->write(*m_cuerpo);
}

void IntercambioHttp::leer()
{
    while (m_corte == Corte::Ninguno) {
        revisar(); // the deadline and the cancellation hold while bytes pour in
        if (m_corte != Corte::Ninguno)
            return;
        const qint64 n = m_socket->read(m_trozo.data(), m_trozo.size());
        if (n <= 0)
            return;
        procesar(QByteArrayView(m_trozo.constData(), n));
    }
}

void IntercambioHttp::procesar(QByteArrayView datos)
{
    const auto entrega = [this](QByteArrayView t) { entregar(t); };
    while (!datos.isEmpty() && m_corte == Corte::Ninguno) {
        const bool antes = m_respuesta.cabecerasListas();
        try {
            datos = datos.sliced(m_respuesta.alimentar(datos, entrega));
        } catch (const ErrorServicio &e) {
            m_errorProtocolo = e;
            return cortar(Corte::Protocolo);
        }
        if (!antes && m_respuesta.cabecerasListas()) {
            m_resultado.estado = m_respuesta.estado();
            m_resultado.razon = m_respuesta.razon();
            if (m_respuesta.largo() > m_limite) // refused before a byte of the body is read
                return cortar(Corte::Limite);
            if (*m_alCabeceras && !(*m_alCabeceras)(m_respuesta))
                return cortar(Corte::Fin);
        }
        if (m_respuesta.completa())
            return cortar(Corte::Fin);
    }
}

void IntercambioHttp::entregar(QByteArrayView cuerpo)
{
    if (m_corte != Corte::Ninguno || cuerpo.isEmpty())
        return;
    if ((m_recibidos += cuerpo.size()) > m_limite)
        return cortar(Corte::Limite);
    try {
        (*m_lector)(cuerpo);
    } catch (...) { // the reader's failure ends the exchange; the caller weighs it
        m_resultado.errorDelLector = std::current_exception();
        cortar(Corte::Lector);
    }
}

void IntercambioHttp::cierre()
{
    if (m_cerrada || m_corte != Corte::Ninguno)
        return;
    m_cerrada = true;
    leer(); // what the connection still held
    if (m_corte != Corte::Ninguno)
        return;
    m_respuesta.cerrada();
    if (m_respuesta.completa())
        return cortar(Corte::Fin);
    m_errorRed = QAbstractSocket::RemoteHostClosedError;
    cortar(Corte::Red);
}

void IntercambioHttp::revisar()
{
    if (m_corte != Corte::Ninguno)
        return;
    if (m_cancelada && m_cancelada->load())
        cortar(Corte::Cancelada);
    else if (m_plazo.hasExpired())
        cortar(m_conectado ? Corte::Recibir : Corte::Conectar);
}

void IntercambioHttp::cortar(Corte corte)
{
    if (m_corte != Corte::Ninguno)
        return;
    m_corte = corte;
    m_bucle.quit();
}

ErrorServicio IntercambioHttp::error() const
{
    const auto mensaje = [this]() -> QString {
        switch (m_corte) {
        case Corte::Conectar:
            return QStringLiteral("Tiempo de espera agotado al conectar con el servidor %1 (%2 ms)")
                .arg(m_servidor)
                .arg(m_tiempos.conectarMs);
        case Corte::Recibir:
            return QStringLiteral("Tiempo de espera agotado esperando la respuesta del servidor %1 (%2 ms)")
                .arg(m_servidor)
                .arg(m_tiempos.recibirMs);
        case Corte::Limite:
            return QStringLiteral("La respuesta del servidor %1 excede el límite de %2 bytes").arg(m_servidor).arg(m_limite);
        case Corte::Cancelada: return QStringLiteral("Llamada cancelada");
        case Corte::Protocolo: return m_errorProtocolo->mensaje();
        case Corte::Red:
            if (m_errorRed == QAbstractSocket::RemoteHostClosedError && m_respuesta.empezada())
                return QStringLiteral("El servidor %1 cerró la conexión antes de terminar la respuesta").arg(m_servidor);
            return MensajeRed(m_errorRed, m_servidor, m_textoRed);
        case Corte::Ninguno:
        case Corte::Fin:
        case Corte::Lector: break;
        }
        return {};
    };
    return ErrorServicio(mensaje()).conPeticionEnviada(m_enviada).conSinConexion(!m_conectado);
}
