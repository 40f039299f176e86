#pragma once
#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>
#include <memory>

/// Where one tile's picture comes from: bytes already held elsewhere (the QByteArray is
/// shared, never copied), or a file of the documents folder read only when it is drawn.
struct FuenteImagen {
    QString id;
    QByteArray bytes;
    QString ruta;
};

/// A tile's hold on its picture: the store keeps the picture while some copy of it lives.
using ImagenRetenida = std::shared_ptr<const FuenteImagen>;

/// The pictures the tiles show, fetched by id ("image://tz/<id>") from any thread. A
/// picture of bytes keeps the bytes the tile was given, so that a file overwritten later
/// (the shared subcategory picture) does not change a tile already built; a picture of a
/// file costs nothing until the screen draws its tile.
class AlmacenImagenes {
public:
    static AlmacenImagenes &instancia();

    /// Holds the bytes (shared with the caller's QByteArray).
    [[nodiscard]] ImagenRetenida guardar(const QByteArray &bytes);
    /// A picture read from the file when it is asked for.
    [[nodiscard]] ImagenRetenida guardarArchivo(const QString &ruta);
    /// The picture of that id, or null once no tile holds it.
    [[nodiscard]] ImagenRetenida buscar(const QString &id) const;
    /// Its bytes: those held, or what its file holds now; empty when unknown or unreadable.
    [[nodiscard]] QByteArray leer(const QString &id) const;
    /// Pictures held.
    [[nodiscard]] int cantidad() const;

private:
    ImagenRetenida registrar(FuenteImagen f);
    void olvidar(const QString &id);

    mutable QMutex m_mutex;
    QHash<QString, std::weak_ptr<const FuenteImagen>> m_imagenes;
    quint64 m_siguiente = 1;
};
