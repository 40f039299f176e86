#pragma once
#include <QObject>
#include <QStringList>

/// One named control of the main window as a model: what the screens draw and what
/// the handlers and tests read and write. A label, button, field, switch, spin box,
/// drop-down, bar or layout uses the properties that make sense for it.
class Control : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(bool visible READ visible WRITE setVisible NOTIFY changed)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY changed)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY changed)
    Q_PROPERTY(bool checked READ checked WRITE setChecked NOTIFY changed)
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY changed)
    Q_PROPERTY(double minimum READ minimum CONSTANT)
    Q_PROPERTY(double maximum READ maximum CONSTANT)
    Q_PROPERTY(QStringList items READ items WRITE setItems NOTIFY changed)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY changed)
    Q_PROPERTY(double opacity READ opacity WRITE setOpacity NOTIFY changed)
    Q_PROPERTY(int width READ width WRITE setWidth NOTIFY changed)

public:
    explicit Control(const QString &name, QObject *parent = nullptr);

    /// A spin box: whole numbers (decimales 0) or reals within [min, max].
    Control &asNumber(double min, double max, double inicial, int decimales = 0);

    [[nodiscard]] QString name() const { return objectName(); }
    [[nodiscard]] bool visible() const { return m_visible; }
    [[nodiscard]] bool enabled() const { return m_enabled; }
    [[nodiscard]] QString text() const { return m_text; }
    [[nodiscard]] bool checked() const { return m_checked; }
    [[nodiscard]] double value() const { return m_value; }
    [[nodiscard]] double minimum() const { return m_min; }
    [[nodiscard]] double maximum() const { return m_max; }
    [[nodiscard]] QStringList items() const { return m_items; }
    [[nodiscard]] int itemIndex() const { return m_itemIndex; }
    [[nodiscard]] double opacity() const { return m_opacity; }
    [[nodiscard]] int width() const { return m_width; }

    void setVisible(bool v);
    void setEnabled(bool v);
    /// For a spin box the text also sets the value (read tolerantly, kept within range).
    void setText(const QString &t);
    void setChecked(bool v);
    /// For a spin box the value is kept within range and also sets the text.
    void setValue(double v);
    void setItems(const QStringList &items);
    void setItemIndex(int i);
    void setOpacity(double o);
    void setWidth(int w);

    /// Asks the screen to give this field the input focus (and select its text).
    Q_INVOKABLE void setFocus(bool seleccionar = true) { emit focusRequested(seleccionar); }

    /// The user typed in the field, toggled the switch, moved the spin box or chose an item:
    /// sets the property and tells the handler that listens.
    Q_INVOKABLE void edit(const QString &t);
    Q_INVOKABLE void toggle(bool v);
    Q_INVOKABLE void choose(int i);
    /// The user tapped the button.
    Q_INVOKABLE void click() { if (m_enabled && m_visible) emit clicked(); }

signals:
    void changed();
    void focusRequested(bool seleccionar);
    void edited();   // text typed by the user
    void toggled(); // switch toggled by the user
    void chosen();   // drop-down item chosen by the user
    void clicked();   // button tapped

private:
    bool m_visible = true;
    bool m_enabled = true;
    QString m_text;
    bool m_checked = false;
    bool m_numero = false;
    int m_decimales = 0;
    double m_value = 0, m_min = 0, m_max = 0;
    QStringList m_items;
    int m_itemIndex = -1;
    double m_opacity = 1;
    int m_width = -1;
};
