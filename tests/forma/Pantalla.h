#pragma once
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>

class TTabbedForm;

/// The real window of a form, offscreen at its design size, for tests that look at
/// the screens or drive them by taps and typing.
class Pantalla {
public:
    explicit Pantalla(TTabbedForm &f);
    ~Pantalla();

    [[nodiscard]] QQuickWindow *ventana() const { return m_ventana; }
    /// Lets pending changes reach the screen and be drawn.
    void dibujar();
    /// Saves the window as a PNG under the build folder's "capturas" (or at an absolute
    /// path) and answers the file written, empty on failure.
    QString capturar(const QString &nombre);

    /// The item of that objectName (a control's name, or "<list>_tile_<i>"), or null.
    [[nodiscard]] QQuickItem *item(const QString &nombre) const;
    /// The item is shown: visible, with a size, on the window and inside its screen.
    [[nodiscard]] bool seVe(const QString &nombre);
    /// Taps the middle of the item with the mouse; false when it is not there or not shown.
    bool tocar(const QString &nombre);
    bool tocarDoble(const QString &nombre);
    /// Gives the field the focus and types the text (after selecting what was there).
    bool escribir(const QString &nombre, const QString &texto);
    /// Presses and releases a key on the window.
    void tecla(Qt::Key k);
    /// Drags horizontally across the item (a swipe), by dx pixels.
    bool deslizar(const QString &nombre, int dx);
    /// Drags on the window from one point to another (an edge swipe, for instance).
    void arrastrar(QPoint desde, QPoint hasta);

private:
    QQmlApplicationEngine m_motor;
    QQuickWindow *m_ventana = nullptr;
};
