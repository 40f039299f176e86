#include "storage/EscritorArchivo.h"
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
QString ErrorSistema(const QString &que, const QString &ruta)
{
    return QStringLiteral("No se pudo %1 %2: %3").arg(que, ruta, QString::fromLocal8Bit(std::strerror(errno)));
}

/// Forces a folder's entries (a rename) to the disk.
void SincronizarCarpeta(const QString &ruta)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(ruta).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

EscritorArchivo::EscritorArchivo(QString ruta, QObject *parent)
    : QObject(parent), m_ruta(std::move(ruta)), m_hilo([this] { trabajar(); })
{
}

EscritorArchivo::~EscritorArchivo()
{
    {
        std::lock_guard l(m_mutex);
        m_fin = true;
    }
    m_cambio.notify_all();
    m_hilo.join();
}

void EscritorArchivo::escribir(Contenido contenido, bool duradero)
{
    {
        std::lock_guard l(m_mutex);
        m_pendiente = std::move(contenido);
        m_duradero = m_duradero || duradero; // a replaced request keeps its promise
    }
    m_cambio.notify_all();
}

// Removals are rare and final: a comanda sent or cancelled must not come back after a power cut.
void EscritorArchivo::borrar() { escribir({}, true); }

void EscritorArchivo::esperar()
{
    std::unique_lock l(m_mutex);
    m_cambio.wait(l, [this] { return !m_pendiente && !m_ocupado; });
}

QString EscritorArchivo::escribirAhora(const QString &ruta, const QByteArray &datos, bool duradero)
{
    // One writer per file: the temporary name can be fixed.
    const QByteArray destino = QFile::encodeName(ruta);
    const QByteArray temporal = destino + ".nuevo";
    const int fd = ::open(temporal.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return ErrorSistema(QStringLiteral("crear"), ruta);
    qsizetype escritos = 0;
    while (escritos < datos.size()) {
        const ssize_t n = ::write(fd, datos.constData() + escritos, size_t(datos.size() - escritos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const QString error = ErrorSistema(QStringLiteral("escribir"), ruta);
            ::close(fd);
            ::unlink(temporal.constData());
            return error;
        }
        escritos += n;
    }
    if (::fdatasync(fd) != 0) {
        const QString error = ErrorSistema(QStringLiteral("escribir"), ruta);
        ::close(fd);
        ::unlink(temporal.constData());
        return error;
    }
    ::close(fd);
    if (::rename(temporal.constData(), destino.constData()) != 0) {
        const QString error = ErrorSistema(QStringLiteral("reemplazar"), ruta);
        ::unlink(temporal.constData());
        return error;
    }
    if (duradero)
        SincronizarCarpeta(ruta);
    return {};
}

void EscritorArchivo::trabajar()
{
    std::unique_lock l(m_mutex);
    for (;;) {
        m_cambio.wait(l, [this] { return m_fin || m_pendiente; });
        if (!m_pendiente)
            return; // m_fin with nothing left to write
        Contenido contenido = std::move(*m_pendiente);
        const bool duradero = std::exchange(m_duradero, false);
        m_pendiente.reset();
        m_ocupado = true;
        l.unlock();

        QString error;
        if (contenido) {
            error = escribirAhora(m_ruta, contenido(), duradero);
        } else if (::unlink(QFile::encodeName(m_ruta).constData()) == 0) {
            if (duradero)
                SincronizarCarpeta(m_ruta);
        } else if (errno != ENOENT) {
            error = ErrorSistema(QStringLiteral("borrar"), m_ruta);
        }
        if (!error.isEmpty())
            emit fallo(error);

        l.lock();
        m_ocupado = false;
        m_cambio.notify_all();
    }
}
