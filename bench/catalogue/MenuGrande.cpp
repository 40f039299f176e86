#include "MenuGrande.h"
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

namespace {
const QStringList &platos()
{
    static const QStringList p{
        "Carne tampiqueña", "Enchiladas suizas", "Café de olla", "Sopa de lima", "Pozole rojo",
        "Chiles en nogada", "Tacos al pastor", "Agua de jamaica", "Flan napolitano",
        "Pescado a la veracruzana", "Mole poblano", "Quesadilla de flor de calabaza", "Piña colada",
        "Crème brûlée", "Pechuga cordon bleu", "Jugo de naranja"};
    return p;
}

const QStringList &tamanos()
{
    static const QStringList t{"chica", "mediana", "grande", "familiar", "del día"};
    return t;
}

/// One small JPEG, drawn once.
const QByteArray &jpegBase()
{
    static const QByteArray b = [] {
        QImage img(200, 150, QImage::Format_RGB32);
        img.fill(QColor(0xC0, 0x60, 0x30));
        QPainter pintor(&img);
        pintor.setPen(Qt::white);
        pintor.setFont(QFont(QStringLiteral("Sans"), 28, QFont::Bold));
        pintor.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("Plato"));
        pintor.end();
        QByteArray bytes;
        QBuffer buf(&bytes);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "JPG", 80);
        return bytes;
    }();
    return b;
}
} // namespace

TListaProducto MenuGrande(int n, int primerId, int bytesFoto)
{
    TListaProducto l;
    l.SetLengthList(n);
    l.Count = n;
    QRandomGenerator azar{quint32(primerId)};
    const QByteArray &base = jpegBase();
    for (int i = 0; i < n; ++i) {
        TProducto &p = l.ArrayProducto[i].emplace();
        p.ID = QString::number(primerId + i);
        p.Descripcion = platos()[i % platos().size()] + u' ' + tamanos()[(i / platos().size()) % tamanos().size()]
                        + u' ' + QString::number(i + 1);
        p.Precio = 10 + i * 0.25;
        p.NuMoneda = 1;
        p.TasaIVA = 16;
        p.Barcode1 = QStringLiteral("75010%1").arg(primerId + i);
        p.Mod1 = QStringLiteral("Sin cebolla");
        // Its own bytes: a fresh allocation, filled, the JPEG at the front.
        p.Foto.resize(std::max<qsizetype>(bytesFoto, base.size()));
        std::memcpy(p.Foto.data(), base.constData(), base.size());
        const qsizetype resto = (p.Foto.size() - base.size()) / 4;
        azar.fillRange(reinterpret_cast<quint32 *>(p.Foto.data() + base.size()), resto);
    }
    return l;
}
