#include "sim/Fotos.h"
#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>

QByteArray GenerarFoto(const QString &texto, const QColor &fondo, int lado)
{
    QImage img(lado, lado, QImage::Format_RGB32);
    img.fill(fondo.lighter(150));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(fondo);
        const int m = lado / 16;
        p.drawRoundedRect(QRectF(m, m, lado - 2 * m, lado - 2 * m), lado / 8.0, lado / 8.0);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(lado / 2);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(img.rect(), Qt::AlignCenter, texto.trimmed().left(1).toUpper());
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPG", 85);
    return bytes;
}
