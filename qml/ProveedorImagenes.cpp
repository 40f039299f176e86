#include "ProveedorImagenes.h"
#include "app/AlmacenImagenes.h"
#include <QBuffer>
#include <QImageReader>

ProveedorImagenes::ProveedorImagenes()
    : QQuickImageProvider(QQuickImageProvider::Image, QQmlImageProviderBase::ForceAsynchronousImageLoading)
{
}

QImage ProveedorImagenes::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    // Decoded only now, when a tile is drawn, from the bytes the tile holds (read through,
    // not copied) or from its file.
    const ImagenRetenida fuente = AlmacenImagenes::instancia().buscar(id);
    QImage imagen;
    if (fuente) {
        QBuffer bytes;
        QImageReader lector;
        if (fuente->ruta.isEmpty()) {
            bytes.setData(fuente->bytes);
            bytes.open(QIODevice::ReadOnly);
            lector.setDevice(&bytes);
        } else {
            lector.setFileName(fuente->ruta);
        }
        // A JPEG decodes straight at the size shown, which is far quicker than whole.
        const QSize original = lector.size();
        if (requestedSize.isValid() && original.isValid())
            lector.setScaledSize(original.scaled(requestedSize, Qt::KeepAspectRatio));
        imagen = lector.read();
    }
    if (size)
        *size = imagen.size();
    return imagen;
}
