#include "app/TilePagina.h"
#include "app/TileList.h"

TilePagina::TilePagina(TileList &lista)
    : m_lista(lista)
{
}

int TilePagina::primero() const { return m_lista.page() * m_lista.pageSize(); }

int TilePagina::filasAhora() const { return std::max(0, std::min(m_lista.pageSize(), m_lista.count() - primero())); }

int TilePagina::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_filas; }

QVariant TilePagina::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_filas)
        return {};
    return m_lista.data(m_lista.index(primero() + index.row()), role);
}

QHash<int, QByteArray> TilePagina::roleNames() const { return m_lista.roleNames(); }

void TilePagina::reiniciar()
{
    const int antes = m_filas;
    const int ahora = filasAhora();
    if (ahora < antes) {
        beginRemoveRows({}, ahora, antes - 1);
        m_filas = ahora;
        endRemoveRows();
    } else if (ahora > antes) {
        beginInsertRows({}, antes, ahora - 1);
        m_filas = ahora;
        endInsertRows();
    }
    const int quedan = std::min(antes, ahora);
    if (quedan > 0)
        emit dataChanged(index(0), index(quedan - 1));
}

void TilePagina::cambio(int i)
{
    const int fila = i - primero();
    if (fila >= 0 && fila < m_filas)
        emit dataChanged(index(fila), index(fila));
}
