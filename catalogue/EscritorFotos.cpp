#include "catalogue/EscritorFotos.h"
#include "util/Archivos.h"

EscritorFotos::EscritorFotos(QObject *parent)
    : QObject(parent)
{
    // One thread: the files of a list are written in the order asked, and a later list
    // showing the same product replaces its file after the earlier one did.
    m_hilo.setMaxThreadCount(1);
    m_hilo.setExpiryTimeout(-1);
}

EscritorFotos::~EscritorFotos()
{
    m_dejar = true;
    m_hilo.waitForDone();
}

void EscritorFotos::encolar(QList<FotoPorEscribir> fotos)
{
    if (fotos.isEmpty())
        return;
    m_pendientes += int(fotos.size());
    m_hilo.start([this, fotos = std::move(fotos)]() mutable {
        for (FotoPorEscribir &f : fotos) {
            if (m_dejar) {
                m_pendientes = 0;
                return;
            }
            const bool escrita = ReemplazarArchivo(f.ruta, f.bytes.constData(), f.bytes.size()).isEmpty();
            f.bytes = {}; // written or not, this thread holds it no longer
            if (escrita && f.registro >= 0) {
                QMutexLocker l(&m_mutex);
                m_escritas.append(std::move(f));
                if (m_escritas.size() == 1)
                    QMetaObject::invokeMethod(this, &EscritorFotos::escritas, Qt::QueuedConnection);
            }
            --m_pendientes;
        }
    });
}

void EscritorFotos::esperar() { m_hilo.waitForDone(); }

QList<FotoPorEscribir> EscritorFotos::tomarEscritas()
{
    QMutexLocker l(&m_mutex);
    return std::exchange(m_escritas, {});
}
