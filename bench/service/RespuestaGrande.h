#pragma once
#include <QIODevice>

/// Writes to `salida` the reply of ListaProductoConFoto with `productos` products, each
/// with a picture of `bytesFoto` random bytes, byte for byte as EscribirRespuestaSoap
/// writes it (multi-reference records), one product at a time: a list of 20,000
/// products with their pictures is never held whole. Returns the bytes written.
qint64 EscribirListaProductos(QIODevice &salida, int productos, int bytesFoto);

/// The same reply made whole by the encoder, to check the one above against.
[[nodiscard]] QByteArray ListaProductosDelCodificador(int productos, int bytesFoto);
