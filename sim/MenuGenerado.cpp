#include "sim/MenuGenerado.h"
#include "sim/Fotos.h"
#include <QColor>
#include <cstring>

namespace {
const QString Nombre = QStringLiteral("Generados");

/// The one tile every generated picture starts with, drawn once.
const QByteArray &Mosaico()
{
    static const QByteArray foto = GenerarFoto(Nombre, QColor(QStringLiteral("#607d8b")), 96);
    return foto;
}
} // namespace

TCategoria MenuGenerado::categoria(bool fotos) const
{
    TCategoria c;
    c.NuCategoria = NuCategoria;
    c.Descripcion = Nombre;
    if (fotos)
        c.Foto = Mosaico();
    TListaSubCategoria &subs = c.ListaSubCategoria.emplace();
    TSubCategoria s;
    s.NuSubCategoria = NuSubCategoria;
    s.NuCategoria = NuCategoria;
    s.Descripcion = QStringLiteral("Todos");
    subs.ArraySubCategoria.append(s);
    subs.Count = 1;
    return c;
}

void MenuGenerado::productos(const Filtro &filtro, bool fotos, TListaProducto &lista) const
{
    const auto elige = [&](int i) {
        switch (filtro.clase) {
        case Filtro::Clase::Invalido: return false;
        case Filtro::Clase::Categoria: return filtro.categoria == NuCategoria;
        case Filtro::Clase::Subcategoria:
            return filtro.categoria == NuCategoria && filtro.subcategoria == NuSubCategoria;
        case Filtro::Clase::Texto:
            return filtro.contieneTexto(QStringLiteral("Producto generado %1").arg(i + 1));
        case Filtro::Clase::Codigo: return filtro.texto == QString::number(900001 + i);
        }
        return false;
    };
    for (int i = 0; i < m_productos; ++i)
        if (elige(i))
            lista.ArrayProducto.append(producto(i, fotos));
}

TProducto MenuGenerado::producto(int i, bool fotos) const
{
    TProducto p;
    p.ID = QString::number(900001 + i);
    p.Descripcion = QStringLiteral("Producto generado %1").arg(i + 1);
    p.Existencia = 100;
    p.NuEstado = 1;
    p.OP_UNIDADDEVENTA = 1;
    p.NuCategoria = NuCategoria;
    p.NuSubCategoria = NuSubCategoria;
    p.NuUnidadMedida = 1;
    p.NuMoneda = 1;
    p.Categoria = Nombre;
    p.SubCategoria = QStringLiteral("Todos");
    p.Unidad = QStringLiteral("PZA");
    p.Precio = 10 + (i % 400) * 0.5;
    p.Precio01 = p.PrecioConImp = p.Precio;
    p.TasaIVA = 16;
    p.NuPrecio1 = QStringLiteral("1");
    p.FotoStr = p.ID + QStringLiteral(".jpg");
    if (fotos)
        p.Foto = foto(i);
    return p;
}

QByteArray MenuGenerado::foto(int i) const
{
    // A JPEG reader stops at the end of the tile; the padding after it keeps every
    // picture different, as real ones are (nothing compresses or repeats).
    const QByteArray &mosaico = Mosaico();
    QByteArray b(m_bytesFoto, Qt::Uninitialized);
    const qsizetype inicio = std::min(mosaico.size(), b.size());
    std::memcpy(b.data(), mosaico.constData(), size_t(inicio));
    quint64 x = 0x9E3779B97F4A7C15ull * quint64(i + 1);
    for (qsizetype k = inicio; k < b.size(); ++k) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        b[k] = char(x >> 24);
    }
    return b;
}
