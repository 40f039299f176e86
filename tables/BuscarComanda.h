#pragma once
#include "app/SeguimientoEnvio.h"
#include "service/TInfo1.h"
#include "service/TPedido.h"

/// The signature of a comanda as it is sent: its table, customer, persons and total.
[[nodiscard]] FirmaComanda FirmaDe(const TPedido &pedido);

/// Numbers of the comandas of the server's list (ListaComandas) that carry the signature:
/// same table, same customer (blanks around it aside), same persons, same total to the cent.
[[nodiscard]] QList<int> ComandasIguales(const TListaInfo1 &lista, const FirmaComanda &firma);

/// The number of the comanda of the list that is the one sent: it carries the signature
/// and is not among `previas`, the ones that carried it before the first try. When those
/// are unknown, any comanda carrying the signature counts. None: the server does not hold it.
[[nodiscard]] std::optional<int> ComandaEnServidor(const TListaInfo1 &lista, const FirmaComanda &firma,
                                                   const std::optional<QList<int>> &previas);
