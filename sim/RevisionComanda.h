#pragma once
#include "service/TPedido.h"
#include <QSqlDatabase>
#include <QString>

/// What Guardar_Comanda answers. Only 1 and 2 store the comanda; what the client makes
/// of each code is its own business.
enum CodigoComanda {
    NoGuardada = 0,          // totals that disagree with the lines, or every product out of stock
    RenglonNoGuardado = 1,   // stored without the lines whose product is out of stock
    Guardada = 2,
    SinCorte = 3,            // no cash period open
    CabeceraErronea = 4,     // no lines, a Count the lines do not fill, an unknown table
    ProductoInexistente = 5, // a line names a product the menu does not have
};

/// The verdict on a comanda received: its code, why (empty when it is stored whole),
/// and for codes 1 and 2 the comanda to store.
struct RevisionComanda {
    CodigoComanda codigo = Guardada;
    QString motivo;
    TPedido guardar;
};

/// Checks a comanda as the installation's server does, first failure wins: cash period,
/// header, products, totals, stock. Totals may differ from the sums of the lines by a
/// cent at most (a client rounds its own way); a comanda stored without some lines has
/// their amounts taken off its totals.
[[nodiscard]] RevisionComanda RevisarComanda(const TPedido &pedido, const QSqlDatabase &db, bool corteAbierto);
