#include "app/TilePagina.h"
#include "app/TileList.h"

TilePagina::TilePagina(TileList &lista)
    : m_lista(lista)
{
}

int TilePagina::primero() const { return m_lista.page() * m_lista.pageSize(); }

int TilePagina::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return std::max(0, std::min(m_lista.pageSize(), m_lista.count() - primero()));
}

QVariant TilePagina::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    return m_lista.data(m_lista.index(primero() + index.row()), role);
}

QHash<int, QByteArray> TilePagina::roleNames() const { return m_lista.roleNames(); }

void TilePagina::reiniciar()
{
    beginResetModel();
    endResetModel();
}

void TilePagina::cambio(int i)
{
    const int fila = i - primero();
    if (fila >= 0 && fila < rowCount())
        emit dataChanged(index(fila), index(fila));
}
