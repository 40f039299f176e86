#include "app/ListaVista.h"

ListaVista::ListaVista(const QString &name, bool canDelete, QObject *parent)
    : QAbstractListModel(parent), m_canDelete(canDelete)
{
    setObjectName(name);
}

int ListaVista::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QHash<int, QByteArray> ListaVista::roleNames() const
{
    return {{KindRole, "kind"}, {TextRole, "rowText"}, {DetailRole, "rowDetail"}, {SelectedRole, "rowSelected"}};
}

QVariant ListaVista::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const Fila &f = m_filas[index.row()];
    switch (role) {
    case KindRole: return int(f.tipo);
    case TextRole: return QString(f.texto).replace(u'\r', u'\n');
    case DetailRole: return QString(f.detalle).replace(u'\r', u'\n');
    case SelectedRole: return index.row() == m_selected;
    default: return {};
    }
}

void ListaVista::setVisible(bool v)
{
    if (m_visible != v) {
        m_visible = v;
        emit changed();
    }
}

void ListaVista::setSelectedIndex(int i)
{
    if (i < -1 || i >= count())
        i = -1;
    if (m_selected == i)
        return;
    const int antes = m_selected;
    m_selected = i;
    if (m_lote == 0)
        for (int k : {antes, i})
            if (k >= 0)
                emit dataChanged(index(k), index(k), {SelectedRole});
    emit changed();
}

void ListaVista::setFonts(int encabezado, int item, int cierre, int edicion)
{
    m_headerFont = encabezado;
    m_itemFont = item;
    m_footerFont = cierre;
    m_editFont = edicion;
    emit changed();
}

void ListaVista::beginUpdate()
{
    if (m_lote++ == 0)
        beginResetModel();
}

void ListaVista::endUpdate()
{
    if (m_lote == 0 || --m_lote > 0)
        return;
    if (m_selected >= count())
        m_selected = -1;
    endResetModel();
    emit changed();
}

void ListaVista::clear()
{
    if (m_lote == 0)
        beginResetModel();
    m_filas.clear();
    m_selected = -1;
    if (m_lote == 0) {
        endResetModel();
        emit changed();
    }
}

void ListaVista::add(Tipo tipo, const QString &texto, const QString &detalle)
{
    if (m_lote == 0)
        beginInsertRows({}, count(), count());
    m_filas.append({tipo, texto, detalle});
    if (m_lote == 0) {
        endInsertRows();
        emit changed();
    }
}

void ListaVista::scrollToItem(int i)
{
    m_scrollTo = i;
    emit changed();
}

void ListaVista::click(int i)
{
    if (i >= -1 && i < count()) {
        setSelectedIndex(i);
        emit clicked(i);
    }
}

void ListaVista::doubleClick(int i)
{
    if (i >= -1 && i < count()) {
        setSelectedIndex(i);
        emit doubleClicked(i);
    }
}

void ListaVista::remove(int i)
{
    if (m_canDelete && i >= 0 && i < count())
        emit removed(i);
}
