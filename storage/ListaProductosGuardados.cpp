#include "storage/ListaProductosGuardados.h"
#include <QFile>
#include "util/Archivos.h"
#include <algorithm>
#include <new>
#include <type_traits>

ListaProductosGuardados::Registros ListaProductosGuardados::reservar()
{
    // calloc hands out pages the system zeroes on first touch, so neither the empty list
    // nor a short file pays for writing 21.6 MB of zeros up front.
    static_assert(std::is_trivially_copyable_v<TProductoGuardado>
                  && std::is_trivially_default_constructible_v<TProductoGuardado>);
    auto *p = static_cast<TProductoGuardado *>(std::calloc(Capacidad, sizeof(TProductoGuardado)));
    if (!p)
        throw std::bad_alloc();
    return Registros(p);
}

ListaProductosGuardados::ListaProductosGuardados()
    : m_registros(reservar())
{
}

void ListaProductosGuardados::setNum(int n)
{
    m_num = std::clamp(n, 0, Capacidad);
    ++m_revision;
}

void ListaProductosGuardados::sumar(int n)
{
    m_num = std::clamp(m_num + std::max(0, n), 0, Capacidad);
    ++m_revision;
}

namespace {
/// The field holds that text as CopiarCampo writes it.
bool campoIgual(const CampoFijo &campo, const QString &texto)
{
    CampoFijo otro;
    CopiarCampo(texto, otro);
    return std::equal(std::begin(campo), std::end(campo), std::begin(otro));
}
} // namespace

bool ListaProductosGuardados::nombrarFoto(int i, const QString &id, const QString &filtro, const QString &nombre)
{
    if (i < 0 || i >= m_num)
        return false;
    TProductoGuardado &r = m_registros[i];
    if (r.Foto[0] != u'\0' || !campoIgual(r.ID, id) || !campoIgual(r.Filtro, filtro))
        return false;
    CopiarCampo(nombre, r.Foto);
    ++m_revision;
    return true;
}

bool ListaProductosGuardados::agregar(const DatosProductoGuardado &d)
{
    if (m_num >= Capacidad)
        return false;
    Llenar(m_registros[m_num], d);
    ++m_num;
    ++m_revision;
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
    // A cache: replaced whole, never cut off, but not flushed to the disk at every save.
    return ReemplazarArchivo(ruta, reinterpret_cast<const char *>(m_registros.get()),
                             qsizetype(m_num) * TamRegistro)
        .isEmpty();
}

bool ListaProductosGuardados::cargar(const QString &ruta)
{
    QFile f(ruta);
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return false;
    const qsizetype enteros = std::min<qsizetype>(f.size() / TamRegistro, Capacidad);
    // The file goes straight into fresh records, taken on only when the read is whole: a
    // failed read leaves the list as it was, and no second copy of 21.6 MB is made.
    Registros nuevos = reservar();
    const qsizetype bytes = enteros * TamRegistro;
    if (f.read(reinterpret_cast<char *>(nuevos.get()), bytes) != bytes)
        return false;
    m_registros = std::move(nuevos);
    m_num = int(enteros);
    ++m_revision;
    return true;
}
