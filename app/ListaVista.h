#pragma once
#include <QAbstractListModel>

/// A list view of rows: headings, items (text at the left, detail at the right) and
/// closing rows, with a selected row, font sizes and an optional delete gesture.
class ListaVista : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(bool visible READ visible WRITE setVisible NOTIFY changed)
    Q_PROPERTY(int count READ count NOTIFY changed)
    Q_PROPERTY(int selectedIndex READ selectedIndex WRITE setSelectedIndex NOTIFY changed)
    Q_PROPERTY(int scrollTo READ scrollTo NOTIFY changed)
    Q_PROPERTY(bool canDelete READ canDelete CONSTANT)
    Q_PROPERTY(int headerFont READ headerFont NOTIFY changed)
    Q_PROPERTY(int itemFont READ itemFont NOTIFY changed)
    Q_PROPERTY(int footerFont READ footerFont NOTIFY changed)
    Q_PROPERTY(int editFont READ editFont NOTIFY changed)

public:
    enum Tipo { Item = 0, Encabezado = 1, Cierre = 2 };
    Q_ENUM(Tipo)
    enum Rol { KindRole = Qt::UserRole + 1, TextRole, DetailRole, SelectedRole };

    struct Fila {
        Tipo tipo = Item;
        QString texto;
        QString detalle;
    };

    explicit ListaVista(const QString &name, bool canDelete = false, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] QString name() const { return objectName(); }
    [[nodiscard]] bool visible() const { return m_visible; }
    [[nodiscard]] int count() const { return int(m_filas.size()); }
    [[nodiscard]] int selectedIndex() const { return m_selected; }
    [[nodiscard]] int scrollTo() const { return m_scrollTo; }
    [[nodiscard]] bool canDelete() const { return m_canDelete; }
    [[nodiscard]] int headerFont() const { return m_headerFont; }
    [[nodiscard]] int itemFont() const { return m_itemFont; }
    [[nodiscard]] int footerFont() const { return m_footerFont; }
    [[nodiscard]] int editFont() const { return m_editFont; }
    [[nodiscard]] const Fila &fila(int i) const { return m_filas[i]; }
    [[nodiscard]] const QList<Fila> &filas() const { return m_filas; }

    void setVisible(bool v);
    void setSelectedIndex(int i);
    void setFonts(int encabezado, int item, int cierre, int edicion);

    /// Batch updates: the screen is told once, at the end.
    void beginUpdate();
    void endUpdate();
    void clear();
    void add(Tipo tipo, const QString &texto, const QString &detalle = {});
    /// Asks the screen to scroll so that row i shows.
    void scrollToItem(int i);

    /// The user tapped, double-tapped or swiped row i away.
    Q_INVOKABLE void click(int i);
    Q_INVOKABLE void doubleClick(int i);
    Q_INVOKABLE void remove(int i);

signals:
    void changed();
    void clicked(int indice);
    void doubleClicked(int indice);
    void removed(int indice);

private:
    bool m_visible = true;
    int m_selected = -1;
    int m_scrollTo = -1;
    bool m_canDelete;
    int m_headerFont = 20, m_itemFont = 15, m_footerFont = 18, m_editFont = 13;
    int m_lote = 0;
    QList<Fila> m_filas;
};
