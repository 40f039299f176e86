#include "tables/BuscarComanda.h"
#include "tables/ParteEntera.h"
#include <cmath>

FirmaComanda FirmaDe(const TPedido &pedido)
{
    return {pedido.NuPaso, pedido.ReferenciaPago, pedido.NuEstado, pedido.Total};
}

QList<int> ComandasIguales(const TListaInfo1 &lista, const FirmaComanda &firma)
{
    QList<int> numeros;
    const qsizetype n = std::min<qsizetype>(lista.Count, lista.ArrayInfo1.size());
    for (qsizetype i = 0; i < n; ++i) {
        const std::optional<TInfo1> &c = lista.ArrayInfo1[i];
        // The list reads a comanda's table from NuAlmacen and its persons from Cant.
        if (c && c->NuAlmacen == firma.mesa && c->Nombre.trimmed() == firma.cliente.trimmed()
            && ParteEntera(c->Cant) == firma.personas && std::abs(c->Total - firma.total) < 0.005)
            numeros.append(c->DB);
    }
    return numeros;
}

std::optional<int> ComandaEnServidor(const TListaInfo1 &lista, const FirmaComanda &firma,
                                     const std::optional<QList<int>> &previas)
{
    for (int numero : ComandasIguales(lista, firma))
        if (!previas || !previas->contains(numero))
            return numero;
    return std::nullopt;
}
