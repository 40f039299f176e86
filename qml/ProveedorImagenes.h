#pragma once
#include <QQuickImageProvider>

/// Hands the screens the tiles' pictures ("image://tz/<id>"), decoded from the bytes
/// the tiles keep, at the size the screen asks for.
class ProveedorImagenes : public QQuickImageProvider {
public:
    ProveedorImagenes();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};
