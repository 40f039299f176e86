#pragma once
#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>

/// The pictures the tiles hold, kept as the bytes read from their files so that a file
/// overwritten later (the shared subcategory picture) does not change a tile already
/// built. The screens fetch them by id ("image://tz/<id>") from any thread.
class AlmacenImagenes {
public:
    static AlmacenImagenes &instancia();

    /// Keeps the bytes and answers their id.
    QString guardar(const QByteArray &bytes);
    [[nodiscard]] QByteArray leer(const QString &id) const;
    void liberar(const QString &id);
    [[nodiscard]] int cantidad() const;

private:
    mutable QMutex m_mutex;
    QHash<QString, QByteArray> m_imagenes;
    quint64 m_siguiente = 1;
};
