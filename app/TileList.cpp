#include "app/TileList.h"
#include "app/AlmacenImagenes.h"
#include "app/TilePagina.h"
#include <QFile>
#include <algorithm>

TileList::TileList(const QString &name, bool scrolling, int spacing, QObject *parent)
    : QAbstractListModel(parent), m_scrolling(scrolling), m_spacing(spacing), m_pagina(new TilePagina(*this))
{
    setObjectName(name);
    m_pagina->setParent(this);
}

TileList::~TileList() = default;

const Tile &TileList::tile(int i) const
{
    if (!m_filtrada)
        return m_tiles[i];
    const int j = m_vista[i];
    return j < m_tiles.size() ? m_tiles[j] : m_extra[j - m_tiles.size()];
}

Tile &TileList::tileMutable(int i)
{
    if (!m_filtrada)
        return m_tiles[i];
    const int j = m_vista[i];
    return j < m_tiles.size() ? m_tiles[j] : m_extra[j - m_tiles.size()];
}

int TileList::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QHash<int, QByteArray> TileList::roleNames() const
{
    return {{CaptionRole, "caption"},       {NotesRole, "notes"},
            {PictureRole, "picture"},       {TagRole, "tag"},
            {BadgeRole, "badge"},           {SelectableRole, "selectable"},
            {SelectedRole, "selected"},     {ColSpanRole, "colSpan"},
            {RowSpanRole, "rowSpan"},       {FillRole, "fill"},
            {FillOpacityRole, "fillOpacity"}, {TextColorRole, "textColor"},
            {FontSizeRole, "fontSize"},     {CaptionLinesRole, "captionLines"},
            {CaptionExtraRole, "captionExtra"}, {ShowPictureRole, "showPicture"},
            {BorderRole, "bordered"},         {MarginsRole, "margins"},
            {IndexRole, "tileIndex"},       {WantsPictureRole, "wantsPicture"}};
}

QVariant TileList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const int i = index.row();
    const Tile &t = tile(i);
    switch (role) {
    case CaptionRole: return QString(t.caption).replace(u'\r', u'\n');
    case NotesRole: return t.notes;
    case PictureRole: return t.picture;
    case TagRole: return t.tag;
    case BadgeRole: return t.badge;
    case SelectableRole: return t.selectable;
    case SelectedRole: return i == m_selected;
    case ColSpanRole: return std::min(t.colSpan, std::max(1, m_columns));
    case RowSpanRole: return t.rowSpan;
    case IndexRole: return i;
    default: break;
    }
    // The look is decided by the list's drawing callback as the tile is drawn.
    const AspectoTile a = look(i);
    switch (role) {
    case FillRole: return a.relleno;
    case FillOpacityRole: return a.opacidad;
    case TextColorRole: return a.colorTexto;
    case FontSizeRole: return a.tamFuente;
    case CaptionLinesRole: return a.lineasTexto;
    case CaptionExtraRole: return a.extraTexto;
    case ShowPictureRole: return a.mostrarImagen && !t.picture.isEmpty();
    case WantsPictureRole: return a.mostrarImagen;
    case BorderRole: return a.borde;
    case MarginsRole: return QVariantList{a.margenIzq, a.margenSup, a.margenDer, a.margenInf};
    default: return {};
    }
}

AspectoTile TileList::look(int i) const
{
    AspectoTile a;
    a.mostrarImagen = m_showPictures;
    if (m_dibujo) {
        try {
            m_dibujo(*this, i, a);
        } catch (const std::exception &e) {
            // A failure while drawing leaves the tile with the look it had so far. The screen
            // is reading the model now: the word comes once this read is over.
            if (m_alFallar)
                QMetaObject::invokeMethod(
                    const_cast<TileList *>(this), [f = m_alFallar, t = QString::fromUtf8(e.what())] { f(t); },
                    Qt::QueuedConnection);
        } catch (...) {
        }
    }
    return a;
}

int TileList::pageSize() const
{
    return m_scrolling ? std::max(1, count()) : std::max(1, m_rows) * std::max(1, m_columns);
}

int TileList::pageCount() const { return std::max(1, (count() + pageSize() - 1) / pageSize()); }

QAbstractItemModel *TileList::pageModel() const { return m_pagina; }

void TileList::notifyChanged()
{
    if (m_lote > 0) {
        m_pendiente = true;
        return;
    }
    emit changed();
}

void TileList::setVisible(bool v)
{
    if (m_visible != v) {
        m_visible = v;
        notifyChanged();
    }
}

void TileList::setTag(int t)
{
    if (m_tag != t) {
        m_tag = t;
        notifyChanged();
    }
}

void TileList::setRows(int r)
{
    if (m_rows != r) {
        m_rows = r;
        m_page = std::min(m_page, pageCount() - 1);
        m_pagina->reiniciar();
        notifyChanged();
    }
}

void TileList::setColumns(int c)
{
    if (m_columns != c) {
        m_columns = c;
        m_page = std::min(m_page, pageCount() - 1);
        m_pagina->reiniciar();
        notifyChanged();
    }
}

void TileList::setPage(int p)
{
    p = std::clamp(p, 0, pageCount() - 1);
    if (m_page != p) {
        m_page = p;
        m_pagina->reiniciar();
        notifyChanged();
    }
}

void TileList::setSelectedIndex(int i)
{
    if (i < -1 || i >= count())
        i = -1;
    if (m_selected == i)
        return;
    const int antes = m_selected;
    m_selected = i;
    for (int k : {antes, i})
        if (k >= 0 && m_lote == 0) {
            emit dataChanged(index(k), index(k), {SelectedRole});
            m_pagina->cambio(k);
        }
    notifyChanged();
}

void TileList::setShowPictures(bool v)
{
    if (m_showPictures != v) {
        m_showPictures = v;
        if (m_lote == 0 && count() > 0) {
            emit dataChanged(index(0), index(count() - 1));
            m_pagina->reiniciar();
        }
        notifyChanged();
    }
}

void TileList::setBackground(const QString &b)
{
    if (m_background != b) {
        m_background = b;
        notifyChanged();
    }
}

void TileList::beginUpdate()
{
    if (m_lote++ == 0)
        beginResetModel();
}

void TileList::endUpdate()
{
    if (m_lote == 0 || --m_lote > 0)
        return;
    m_page = std::min(m_page, pageCount() - 1);
    endResetModel();
    m_pagina->reiniciar();
    m_pendiente = false;
    emit changed();
}

void TileList::resetWith(const std::function<void()> &cambio)
{
    const bool lote = m_lote > 0;
    if (!lote)
        beginResetModel();
    cambio();
    m_selected = -1;
    m_page = 0;
    if (!lote) {
        endResetModel();
        m_pagina->reiniciar();
    }
    notifyChanged();
}

void TileList::clear() { (void)replaceAll({}); }

QList<Tile> TileList::replaceAll(QList<Tile> tiles)
{
    QList<Tile> antes;
    resetWith([&] {
        antes = std::exchange(m_tiles, std::move(tiles));
        m_filtrada = false;
        m_vista = {};
        m_extra = {};
    });
    return antes;
}

void TileList::showOnly(QList<int> posiciones, QList<Tile> extra)
{
    const qsizetype total = m_tiles.size() + extra.size();
    posiciones.removeIf([&](int j) { return j < 0 || j >= total; });
    resetWith([&] {
        m_filtrada = true;
        m_vista = std::move(posiciones);
        m_extra = std::move(extra);
    });
}

void TileList::showAll()
{
    if (!m_filtrada)
        return;
    resetWith([&] {
        m_filtrada = false;
        m_vista = {};
        m_extra = {};
    });
}

int TileList::add(const Tile &t)
{
    showAll();
    const int i = count();
    if (m_lote == 0)
        beginInsertRows({}, i, i);
    m_tiles.append(t);
    if (m_lote == 0) {
        endInsertRows();
        m_pagina->reiniciar();
    }
    notifyChanged();
    return i;
}

void TileList::modify(int i, const std::function<void(Tile &)> &f)
{
    if (i < 0 || i >= count())
        return;
    f(tileMutable(i));
    if (m_lote == 0) {
        emit dataChanged(index(i), index(i));
        m_pagina->cambio(i);
    }
}

bool TileList::setPictureFromFile(int i, const QString &ruta)
{
    if (i < 0 || i >= count())
        return false;
    QFile f(ruta);
    QByteArray bytes;
    if (f.open(QIODevice::ReadOnly))
        bytes = f.readAll();
    setPicture(i, bytes.isEmpty() ? nullptr : AlmacenImagenes::instancia().guardar(bytes));
    return !bytes.isEmpty();
}

void TileList::setPicture(int i, ImagenRetenida imagen)
{
    modify(i, [&](Tile &t) { ponerImagen(t, std::move(imagen)); });
}

void TileList::ponerImagen(Tile &t, ImagenRetenida imagen)
{
    t.picture = imagen ? QStringLiteral("image://tz/") + imagen->id : QString();
    t.imagen = std::move(imagen);
}

void TileList::setPictureFromStore(int i, const QString &nombre)
{
    modify(i, [&](Tile &t) {
        t.imagen.reset();
        t.picture = QStringLiteral("store:") + nombre;
    });
}

void TileList::hideHeaderFooter()
{
    if (m_header || m_footer) {
        m_header = m_footer = false;
        notifyChanged();
    }
}

void TileList::reapplyStyle() { setPage(0); }

void TileList::nextPage() { setPage(m_page + 1); }

void TileList::priorPage() { setPage(m_page - 1); }

void TileList::click(int i)
{
    if (i >= 0 && i < count() && m_visible)
        emit clicked(i);
}

void TileList::showDetail(int i)
{
    if (i >= 0 && i < count() && m_visible)
        emit detailRequested(i);
}
