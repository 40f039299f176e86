#pragma once
#include <QAbstractListModel>

class TileList;

/// The tiles of a tile list's current page, as a model for the screen's grid.
class TilePagina : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TilePagina(TileList &lista);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    /// The page or the tiles changed: the rows that stay are told they changed and only
    /// the difference is added or removed, so that the screen keeps the tiles it drew
    /// instead of making them again (a page turn, a keystroke of the search).
    void reiniciar();
    /// Tile i of the whole list changed.
    void cambio(int i);

private:
    [[nodiscard]] int primero() const;
    [[nodiscard]] int filasAhora() const;
    TileList &m_lista;
    int m_filas = 0; // the rows the screen was last told of
};
