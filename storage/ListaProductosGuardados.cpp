#include "storage/ListaProductosGuardados.h"
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

ListaProductosGuardados::ListaProductosGuardados()
    : m_registros(new TProductoGuardado[Capacidad]())
{
}

void ListaProductosGuardados::setNum(int n) { m_num = std::clamp(n, 0, Capacidad); }

bool ListaProductosGuardados::agregar(const DatosProductoGuardado &d)
{
    if (m_num >= Capacidad)
        return false;
    Llenar(m_registros[m_num], d);
    ++m_num;
    return true;
}

QList<int> ListaProductosGuardados::buscar(const QString &filtro) const
{
    // Compare code units in place: the filter field is read only when its length matches.
    QList<int> r;
    const auto *buscado = reinterpret_cast<const char16_t *>(filtro.utf16());
    const qsizetype largo = filtro.size();
    if (largo > 255) // a field holds 255 code units at most
        return r;
    for (int i = 0; i < m_num; ++i) {
        const CampoFijo &f = m_registros[i].Filtro;
        if (f[largo] == u'\0' && std::equal(buscado, buscado + largo, f))
            r << i;
    }
    return r;
}

bool ListaProductosGuardados::guardar(const QString &ruta) const
{
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const qsizetype bytes = qsizetype(m_num) * TamRegistro;
    if (f.write(reinterpret_cast<const char *>(m_registros.get()), bytes) != bytes) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool ListaProductosGuardados::cargar(const QString &ruta)
{
    QFile f(ruta);
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return false;
    const qsizetype enteros = std::min<qsizetype>(f.size() / TamRegistro, Capacidad);
    // Read first, copy after, so that a failed read leaves the list as it was.
    const QByteArray datos = f.read(enteros * TamRegistro);
    if (datos.size() != enteros * TamRegistro)
        return false;
    // Records past those read keep their old content: only the count limits what is used.
    std::memcpy(static_cast<void *>(m_registros.get()), datos.constData(), size_t(datos.size()));
    m_num = int(enteros);
    return true;
}
