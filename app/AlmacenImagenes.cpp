#include "app/AlmacenImagenes.h"
#include <QFile>

AlmacenImagenes &AlmacenImagenes::instancia()
{
    static AlmacenImagenes a;
    return a;
}

ImagenRetenida AlmacenImagenes::registrar(FuenteImagen f)
{
    QMutexLocker l(&m_mutex);
    f.id = QString::number(m_siguiente++);
    // The last hold gone, the id leaves the store with it.
    ImagenRetenida r(new FuenteImagen(std::move(f)), [this](const FuenteImagen *p) {
        olvidar(p->id);
        delete p;
    });
    m_imagenes.insert(r->id, r);
    return r;
}

void AlmacenImagenes::olvidar(const QString &id)
{
    QMutexLocker l(&m_mutex);
    const auto it = m_imagenes.constFind(id);
    if (it != m_imagenes.cend() && it->expired())
        m_imagenes.erase(it);
}

ImagenRetenida AlmacenImagenes::guardar(const QByteArray &bytes) { return registrar({{}, bytes, {}}); }

ImagenRetenida AlmacenImagenes::guardarArchivo(const QString &ruta) { return registrar({{}, {}, ruta}); }

ImagenRetenida AlmacenImagenes::buscar(const QString &id) const
{
    QMutexLocker l(&m_mutex);
    return m_imagenes.value(id).lock();
}

QByteArray AlmacenImagenes::leer(const QString &id) const
{
    const ImagenRetenida f = buscar(id);
    if (!f)
        return {};
    if (f->ruta.isEmpty())
        return f->bytes;
    QFile archivo(f->ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

int AlmacenImagenes::cantidad() const
{
    QMutexLocker l(&m_mutex);
    return int(m_imagenes.size());
}
