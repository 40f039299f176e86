#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

/// Keeps one file up to date from a thread of its own, so that the screen never waits
/// for the disk. Each request replaces the file whole: written beside it, its bytes forced
/// to the disk, then renamed over it, so that a kill or a power cut at any moment leaves
/// the previous content or the new one. A request that must survive a power cut as soon
/// as it is done also forces the rename to the disk (a second flush). A request not yet
/// started gives way to a newer one; removing the file is a request too.
class EscritorArchivo : public QObject {
    Q_OBJECT
public:
    /// Makes the bytes to write; it runs on the writer's thread.
    using Contenido = std::function<QByteArray()>;

    explicit EscritorArchivo(QString ruta, QObject *parent = nullptr);
    ~EscritorArchivo() override; // writes what is pending first

    [[nodiscard]] const QString &ruta() const { return m_ruta; }

    /// `duradero`: the rename is forced to the disk too before the request counts as done.
    void escribir(Contenido contenido, bool duradero = false);
    void borrar();
    /// Waits until every request made so far is on the disk (or has failed).
    void esperar();

    /// Writes the bytes as above, on the calling thread; answers the error, empty on success.
    [[nodiscard]] static QString escribirAhora(const QString &ruta, const QByteArray &datos, bool duradero = false);

signals:
    /// A write or a removal failed; emitted on the writer's thread.
    void fallo(const QString &error);

private:
    void trabajar();

    QString m_ruta;
    std::mutex m_mutex;
    std::condition_variable m_cambio;
    std::optional<Contenido> m_pendiente; // empty function: remove the file
    bool m_duradero = false;              // of the pending request, or of one it replaced
    bool m_ocupado = false;               // a request is being carried out
    bool m_fin = false;
    std::thread m_hilo;
};
