#pragma once
// What the window shows, as the catalogue benchmarks look at it frame by frame.
#include <QEventLoop>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <functional>

/// The product tiles on screen, and how many of them show their picture decoded.
struct TilesEnPantalla {
    int tiles = 0;
    int fotos = 0;
};

inline void ContarTiles(QQuickItem *i, TilesEnPantalla &r, bool enTile = false)
{
    if (!i->isVisible())
        return;
    const bool tile = i->objectName().startsWith(QStringLiteral("ListaPro_tile_"));
    if (tile)
        ++r.tiles;
    if (enTile && qstrcmp(i->metaObject()->className(), "QQuickImage") == 0
        && i->property("source").toString().startsWith(QStringLiteral("image://tz/"))
        && i->property("status").toInt() == 1 /* Image.Ready */)
        ++r.fotos;
    for (QQuickItem *h : i->childItems())
        ContarTiles(h, r, enTile || tile);
}

inline TilesEnPantalla EnPantalla(QQuickWindow *w)
{
    TilesEnPantalla r;
    ContarTiles(w->contentItem(), r);
    return r;
}

/// Runs the event loop until `listo` holds, looking after every frame and every
/// millisecond; false after `ms`.
inline bool Esperar(QQuickWindow *w, const std::function<bool()> &listo, int ms = 120000)
{
    if (listo())
        return true;
    QEventLoop bucle;
    QTimer mirar;
    mirar.setInterval(1);
    QObject::connect(&mirar, &QTimer::timeout, &bucle, [&] {
        if (listo())
            bucle.quit();
    });
    const auto cuadro = QObject::connect(w, &QQuickWindow::frameSwapped, &bucle, [&] {
        if (listo())
            bucle.quit();
    });
    QTimer::singleShot(ms, &bucle, &QEventLoop::quit);
    mirar.start();
    bucle.exec();
    QObject::disconnect(cuadro);
    return listo();
}
