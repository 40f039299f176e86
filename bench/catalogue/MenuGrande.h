#pragma once
#include "service/TProducto.h"

/// A generated menu of `n` products, IDs from `primerId`, descriptions made of everyday
/// dishes with their accents ("Carne tampiqueña grande 12"), each with a picture of
/// `bytesFoto` bytes: a real JPEG padded with bytes of its own, so that no two are alike.
/// Made anew at every call, with fresh memory, as a reply decoded from the network is.
[[nodiscard]] TListaProducto MenuGrande(int n, int primerId, int bytesFoto = 20 * 1024);
