#pragma once
#include <QByteArray>

/// Hands out byte arrays carved one after the other out of large blocks, each array a
/// QByteArray of its own that shares its block: the pictures of a long list cost a
/// few large allocations, whose pages the kernel can provide in bulk, instead of one
/// small allocation and several page faults per picture. A block is freed when its
/// last array goes; writing to an array copies it out first, as for any shared one.
class ReservaBytes {
public:
    /// `n` bytes (uninitialized, a NUL after them as in any QByteArray).
    [[nodiscard]] QByteArray tomar(qsizetype n);
    /// Gives back the array last taken, unused: its bytes serve the next one.
    void devolver(QByteArray &&ultimo);

    /// Asks the kernel to back [inicio, inicio + n) with whole pages at once (huge
    /// pages where it can): for memory about to be written from end to end.
    static void prepararPaginas(void *inicio, qsizetype n);

private:
    QByteArray::DataPointer m_bloque; // the block being carved, one reference of it
    qsizetype m_usado = 0;
    qsizetype m_reservados = 0; // bytes of every block taken so far
};
