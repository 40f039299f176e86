#pragma once
#include "app/Tile.h"
#include <QAbstractListModel>
#include <functional>

class TilePagina;

/// A paged grid of tiles (every grid of the screens): pages of rows × columns, a
/// selected tile, header and footer strips, and a drawing callback that decides each
/// tile's look when the screen draws it. Lists that scroll instead of paging show all
/// their tiles on one page.
class TileList : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(bool visible READ visible WRITE setVisible NOTIFY changed)
    Q_PROPERTY(int tag READ tag WRITE setTag NOTIFY changed)
    Q_PROPERTY(int rows READ rows WRITE setRows NOTIFY changed)
    Q_PROPERTY(int columns READ columns WRITE setColumns NOTIFY changed)
    Q_PROPERTY(int page READ page WRITE setPage NOTIFY changed)
    Q_PROPERTY(int pageCount READ pageCount NOTIFY changed)
    Q_PROPERTY(int count READ count NOTIFY changed)
    Q_PROPERTY(int selectedIndex READ selectedIndex WRITE setSelectedIndex NOTIFY changed)
    Q_PROPERTY(bool showPictures READ showPictures WRITE setShowPictures NOTIFY changed)
    Q_PROPERTY(bool scrolling READ scrolling CONSTANT)
    Q_PROPERTY(bool headerVisible READ headerVisible NOTIFY changed)
    Q_PROPERTY(bool footerVisible READ footerVisible NOTIFY changed)
    Q_PROPERTY(int spacing READ spacing CONSTANT)
    Q_PROPERTY(QString background READ background WRITE setBackground NOTIFY changed)
    Q_PROPERTY(QAbstractItemModel *pageModel READ pageModel CONSTANT)

public:
    enum Rol {
        CaptionRole = Qt::UserRole + 1,
        NotesRole,
        PictureRole,
        TagRole,
        BadgeRole,
        SelectableRole,
        SelectedRole,
        ColSpanRole,
        RowSpanRole,
        FillRole,
        FillOpacityRole,
        TextColorRole,
        FontSizeRole,
        CaptionLinesRole,
        CaptionExtraRole,
        ShowPictureRole,
        BorderRole,
        MarginsRole,
        IndexRole,
        WantsPictureRole,
    };

    using Dibujo = std::function<void(const TileList &, int indice, AspectoTile &)>;

    explicit TileList(const QString &name, bool scrolling = false, int spacing = 4, QObject *parent = nullptr);
    ~TileList() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] QString name() const { return objectName(); }
    [[nodiscard]] bool visible() const { return m_visible; }
    [[nodiscard]] int tag() const { return m_tag; }
    [[nodiscard]] int rows() const { return m_rows; }
    [[nodiscard]] int columns() const { return m_columns; }
    [[nodiscard]] int page() const { return m_page; }
    [[nodiscard]] int pageCount() const;
    [[nodiscard]] int pageSize() const;
    [[nodiscard]] int count() const { return int(m_filtrada ? m_vista.size() : m_tiles.size()); }
    [[nodiscard]] int selectedIndex() const { return m_selected; }
    [[nodiscard]] bool showPictures() const { return m_showPictures; }
    [[nodiscard]] bool scrolling() const { return m_scrolling; }
    [[nodiscard]] bool headerVisible() const { return m_header; }
    [[nodiscard]] bool footerVisible() const { return m_footer; }
    [[nodiscard]] int spacing() const { return m_spacing; }
    [[nodiscard]] QString background() const { return m_background; }
    [[nodiscard]] QAbstractItemModel *pageModel() const;

    void setVisible(bool v);
    void setTag(int t);
    void setRows(int r);
    void setColumns(int c);
    void setPage(int p);
    void setSelectedIndex(int i);
    void setShowPictures(bool v);
    void setBackground(const QString &b);
    void setCustomizer(Dibujo d) { m_dibujo = std::move(d); }
    /// Told, once per tile and drawing, the text of a drawing callback's failure; without it
    /// a failure leaves the tile with the look it had so far, silently.
    void setOnError(std::function<void(const QString &)> f) { m_alFallar = std::move(f); }

    /// Batch updates: changes inside show up once, at the end.
    void beginUpdate();
    void endUpdate();

    void clear();
    /// Puts these tiles in place of all the list holds, as one change, and hands back the
    /// tiles it held, so that the caller decides where a long list is freed.
    [[nodiscard]] QList<Tile> replaceAll(QList<Tile> tiles);
    /// Adds a tile and answers its position.
    int add(const Tile &t = {});
    /// Tile i as shown (position on the list, or in the selection while one shows).
    [[nodiscard]] const Tile &tile(int i) const;
    /// Every tile held, a selection or not.
    [[nodiscard]] const QList<Tile> &tiles() const { return m_tiles; }
    /// Changes one tile (through a callback, so the screen is told once).
    void modify(int i, const std::function<void(Tile &)> &f);
    /// Loads a tile's picture from a file now; a missing or unreadable file leaves it without one.
    bool setPictureFromFile(int i, const QString &ruta);
    /// Shows a picture of the store; null leaves the tile without one.
    void setPicture(int i, ImagenRetenida imagen);
    /// Shows a picture of a named store ("Mesa", "fondo2").
    void setPictureFromStore(int i, const QString &nombre);
    /// Makes `imagen` the picture of a tile not yet on a list.
    static void ponerImagen(Tile &t, ImagenRetenida imagen);

    /// Shows only some tiles, in the order given: positions below the number of tiles held
    /// name those tiles, the next ones the tiles of `extra`. The selection, the page and
    /// every position the list tells (taps, the selected index, count) are then the
    /// selection's; the tiles held stay as they are.
    void showOnly(QList<int> posiciones, QList<Tile> extra = {});
    /// Shows every tile held again.
    void showAll();
    /// A selection of the tiles shows.
    [[nodiscard]] bool filtered() const { return m_filtrada; }

    void hideHeaderFooter();
    /// Re-applies the list's style: back to its plain look and first page.
    void reapplyStyle();
    Q_INVOKABLE void nextPage();
    Q_INVOKABLE void priorPage();

    /// The look of tile i as its drawing callback decides it now.
    [[nodiscard]] AspectoTile look(int i) const;

    /// The user tapped tile i (position in the whole list).
    Q_INVOKABLE void click(int i);
    /// The user asked for the detail of tile i.
    Q_INVOKABLE void showDetail(int i);

    /// Asks the screen to give the list the input focus.
    Q_INVOKABLE void setFocus() { emit focusRequested(); }

signals:
    void changed();
    void focusRequested();
    void clicked(int indice);
    void detailRequested(int indice);

private:
    void notifyChanged();
    /// What the list shows changed whole: told at once, or at the end of the batch.
    void resetWith(const std::function<void()> &cambio);
    [[nodiscard]] Tile &tileMutable(int i);

    bool m_visible = true;
    int m_tag = 0;
    int m_rows = 3;
    int m_columns = 3;
    int m_page = 0;
    int m_selected = -1;
    bool m_showPictures = true;
    bool m_scrolling;
    bool m_header = true;
    bool m_footer = true;
    int m_spacing;
    QString m_background;
    int m_lote = 0;
    bool m_pendiente = false;
    QList<Tile> m_tiles;
    bool m_filtrada = false;
    QList<int> m_vista;   // with a selection showing: the positions shown
    QList<Tile> m_extra;  // tiles of the selection beyond those held
    Dibujo m_dibujo;
    std::function<void(const QString &)> m_alFallar;
    TilePagina *m_pagina;
};
