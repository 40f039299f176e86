#include "app/AlmacenImagenes.h"

AlmacenImagenes &AlmacenImagenes::instancia()
{
    static AlmacenImagenes a;
    return a;
}

QString AlmacenImagenes::guardar(const QByteArray &bytes)
{
    QMutexLocker l(&m_mutex);
    const QString id = QString::number(m_siguiente++);
    m_imagenes.insert(id, bytes);
    return id;
}

QByteArray AlmacenImagenes::leer(const QString &id) const
{
    QMutexLocker l(&m_mutex);
    return m_imagenes.value(id);
}

void AlmacenImagenes::liberar(const QString &id)
{
    QMutexLocker l(&m_mutex);
    m_imagenes.remove(id);
}

int AlmacenImagenes::cantidad() const
{
    QMutexLocker l(&m_mutex);
    return int(m_imagenes.size());
}
