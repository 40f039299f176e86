#pragma once
#include "app/Tile.h"
#include "service/TProducto.h"
#include <QObject>
#include <QSet>
#include <QTimer>
#include <functional>

class ListaProductosGuardados;

/// The saved list's products as the instant search looks at them: one entry per product
/// (its first record; IdentidadProducto), with its search key, its tile and the product as a restore
/// makes it. Made again whenever the list changes, a few records at a time on the
/// screen's thread and only while `puedeLeer` says no task owns the list; the entries
/// made before stay in use until the new ones are whole.
class IndiceGuardados : public QObject {
    Q_OBJECT
public:
    struct Entrada {
        Tile tile; // Tag still to be given
        TProducto producto;
        QString identidad;
    };

    IndiceGuardados(const ListaProductosGuardados &lista, std::function<bool()> puedeLeer, QObject *parent = nullptr);

    /// Starts making the entries again when the list changed since they were made.
    void ponerAlDia();
    /// Makes them now, whole (for a start-up check or a measurement).
    void completar();
    /// The entries are those of the list as it is.
    [[nodiscard]] bool alDia() const;

    [[nodiscard]] const QList<Entrada> &entradas() const { return m_hechas.entradas; }
    /// The search key of each entry, in the same order.
    [[nodiscard]] const QList<QString> &claves() const { return m_hechas.claves; }

signals:
    /// New entries are in place.
    void rehecho();

private:
    struct Hechas {
        QList<Entrada> entradas;
        QList<QString> claves;
        QSet<QString> ids;
    };
    /// Makes entries for up to `ms` milliseconds; true once the whole list is done.
    bool avanzar(qint64 ms);
    void tramo();
    void empezar();

    const ListaProductosGuardados &m_lista;
    std::function<bool()> m_puedeLeer;
    QTimer m_reloj;
    Hechas m_hechas, m_nuevas;
    quint64 m_revisionHecha = ~quint64(0);
    quint64 m_revisionNueva = ~quint64(0);
    int m_siguiente = 0;
    QString m_carpeta;
};
