#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <utility>

/// One HTTP/1.1 reply read from its bytes as they arrive: the status line and headers
/// (interim 1xx replies are skipped), then the body by Content-Length, in chunks, or up
/// to the end of the connection. Bad framing throws ErrorServicio. Only the headers are
/// kept; the body goes on as it comes.
class LectorHttp {
public:
    using Cuerpo = std::function<void(QByteArrayView)>;
    static constexpr qsizetype MaxCabeceras = 64 * 1024; // status line and headers, or the trailer

    /// `que` names the reply in messages ("La respuesta del servidor 10.0.0.5:8080").
    explicit LectorHttp(QString que);

    /// Takes bytes of the reply: up to the end of the headers, so that the caller can look
    /// at them before any of the body, else all it is given (anything after a complete
    /// reply is dropped). Body bytes go to `cuerpo` as views into `datos`, in order.
    /// Returns how many bytes it took.
    qsizetype alimentar(QByteArrayView datos, const Cuerpo &cuerpo);
    /// The connection has ended: a body without a length ends with it.
    void cerrada();

    [[nodiscard]] bool empezada() const { return m_empezada; }
    [[nodiscard]] bool cabecerasListas() const { return m_fase != Fase::Cabeceras; }
    [[nodiscard]] bool completa() const { return m_fase == Fase::Completa; }

    [[nodiscard]] int estado() const { return m_estado; }
    [[nodiscard]] const QByteArray &razon() const { return m_razon; }
    /// The body's declared length, -1 when it has none (chunked or up to the close).
    [[nodiscard]] qint64 largo() const { return m_largo; }
    /// The first header with that name (any letter case); null when absent.
    [[nodiscard]] QByteArray cabecera(QByteArrayView nombre) const;

private:
    enum class Fase { Cabeceras, Largo, TamanoTrozo, Trozo, FinTrozo, Epilogo, HastaCierre, Completa };

    qsizetype tomarCabeceras(QByteArrayView datos);
    qsizetype tomarLinea(QByteArrayView datos, qsizetype maximo);
    void leerCabeceras(const QByteArray &bloque);
    void empezarCuerpo();
    void leerTamanoTrozo();
    [[noreturn]] void fallar(const QString &que) const;

    QString m_que;
    Fase m_fase = Fase::Cabeceras;
    bool m_empezada = false;
    QByteArray m_pendiente; // the header block or a chunk line, until it ends
    qsizetype m_epilogo = 0;  // bytes of trailer so far
    int m_estado = 0;
    QByteArray m_razon;
    QList<std::pair<QByteArray, QByteArray>> m_cabeceras;
    qint64 m_largo = -1;
    qint64 m_resta = 0; // of the body or of the chunk
};
