#include "service/ReservaBytes.h"
#include <algorithm>
#include <sys/mman.h>
#include <unistd.h>

namespace {
constexpr qsizetype PrimerBloque = 256 * 1024, MaximoBloque = qsizetype(8) << 20;
constexpr quintptr Pagina = 4096, PaginaGrande = quintptr(2) << 20;
} // namespace

void ReservaBytes::prepararPaginas(void *inicio, qsizetype n)
{
    const auto desde = quintptr(inicio), hasta = desde + quintptr(n);
    const quintptr a = (desde + Pagina - 1) & ~(Pagina - 1), b = hasta & ~(Pagina - 1);
    if (b <= a || n < qsizetype(256 * 1024))
        return;
    // Both are hints: an older kernel or one without huge pages just says no.
    const quintptr ga = (desde + PaginaGrande - 1) & ~(PaginaGrande - 1), gb = hasta & ~(PaginaGrande - 1);
    if (gb > ga)
        (void)madvise(reinterpret_cast<void *>(ga), gb - ga, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    (void)madvise(reinterpret_cast<void *>(a), b - a, MADV_POPULATE_WRITE);
#endif
}

QByteArray ReservaBytes::tomar(qsizetype n)
{
    const qsizetype conNul = n + 1;
    if (conNul > MaximoBloque / 4)
        return QByteArray(n, Qt::Uninitialized); // a large one is a block of its own
    if (!m_bloque.d_ptr() || m_usado + conNul > m_bloque.constAllocatedCapacity()) {
        // Half of what the blocks took so far: the part of the last block left unused
        // stays a fraction of the whole, while a long list still gets large blocks.
        const qsizetype tam = std::clamp(m_reservados / 2, PrimerBloque, MaximoBloque);
        auto [cabecera, datos] = QTypedArrayData<char>::allocate(tam);
        if (!cabecera)
            return QByteArray(n, Qt::Uninitialized);
        m_bloque = QByteArray::DataPointer(cabecera, datos, 0);
        m_usado = 0;
        prepararPaginas(datos, m_bloque.constAllocatedCapacity());
        m_reservados += m_bloque.constAllocatedCapacity();
    }
    char *p = m_bloque.data() + m_usado;
    p[n] = '\0';
    m_usado += conNul;
    m_bloque.d_ptr()->ref();
    return QByteArray(QByteArray::DataPointer(m_bloque.d_ptr(), p, n));
}

void ReservaBytes::devolver(QByteArray &&ultimo)
{
    const char *p = ultimo.constData();
    if (m_bloque.d_ptr() && p + ultimo.size() + 1 == m_bloque.data() + m_usado)
        m_usado -= ultimo.size() + 1;
    ultimo = QByteArray();
}
