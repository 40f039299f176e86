#pragma once
#include "service/TInfo1.h"
#include "service/TPedido.h"
#include "service/TSurtido.h"
#include <QJsonArray>
#include <QSqlDatabase>

/// The comandas the server was given and the dishes the kitchen works on: each line
/// of a comanda is a dish on its product's printer, pending, then ready, then read.
class Comandas {
public:
    explicit Comandas(QSqlDatabase db) : m_db(std::move(db)) {}

    /// Stores a comanda already checked by the caller: the whole TPedido, and one pending
    /// dish per present line 0 .. Count - 1. Returns the comanda number: `numero`, or the
    /// next free one when it is 0.
    int guardar(const TPedido &pedido, int nuUser, int numero = 0);

    /// The open comandas as TInfo1 (DB number, NuAlmacen table, Nombre customer,
    /// Sucursal table name, Total, Cant persons), the comandas of one table adjacent.
    [[nodiscard]] TListaInfo1 abiertas() const;
    /// Number of open comandas per table number.
    [[nodiscard]] QHash<int, int> abiertasPorMesa() const;

    /// Dishes ready and not yet read; printer 0 means every printer.
    [[nodiscard]] TListaSurtido listos(int nuImpresora) const;
    /// Marks the ready dishes of a printer (0 = all) as read; returns how many.
    int marcarLeidos(int nuImpresora);
    /// Marks the pending dishes of a comanda (0 = every comanda) ready; returns how many.
    int marcarListos(int nuComanda);
    /// Finishes an open comanda with its tip; false when there is no such open comanda.
    bool cerrar(int nuComanda, double propina);

    /// A waiter's figures: open and finished comandas, tips of the finished ones and the
    /// amount of all of them.
    struct Resumen {
        int pendientes = 0;
        int terminadas = 0;
        double propinas = 0;
        double total = 0;
    };
    [[nodiscard]] Resumen resumen(int nuUser) const;

    /// Every comanda stored, by number: its columns, the TPedido as received and its dishes.
    [[nodiscard]] QJsonArray json() const;

private:
    QSqlDatabase m_db;
};
