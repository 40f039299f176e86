#include "ProveedorImagenes.h"
#include "app/AlmacenImagenes.h"

ProveedorImagenes::ProveedorImagenes()
    : QQuickImageProvider(QQuickImageProvider::Image, QQmlImageProviderBase::ForceAsynchronousImageLoading)
{
}

QImage ProveedorImagenes::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    QImage imagen = QImage::fromData(AlmacenImagenes::instancia().leer(id));
    if (!imagen.isNull() && requestedSize.isValid())
        imagen = imagen.scaled(requestedSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (size)
        *size = imagen.size();
    return imagen;
}
