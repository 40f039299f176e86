#pragma once
#include <QByteArray>

/// The rows of the reply-reading table (QTest _data): operation, JSON arguments, the
/// server's reply and HTTP status, and what the call must give.
void CasosRespuesta();

/// A reply envelope with the response element of `operacion` around `contenido`, and
/// `despues` (multi-reference values) after it.
[[nodiscard]] QByteArray RespuestaPrueba(const QByteArray &operacion, const QByteArray &contenido,
                                         const QByteArray &despues = {});
