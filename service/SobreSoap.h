#pragma once
// Finding one's way in a parsed SOAP 1.1 envelope; shared by the client's replies and
// the server's requests.
#include "service/ArbolXml.h"
#include "service/ErrorServicio.h"
#include <optional>

/// The Body element of a complete document; throws when it is not a SOAP 1.1 envelope.
[[nodiscard]] int CuerpoSoap(const ArbolXml &arbol);

/// True when the document's root element is a SOAP 1.1 Envelope.
[[nodiscard]] bool EsSobreSoap(const ArbolXml &arbol);

/// The element that carries the message (the call or the reply element): the first child
/// of the body that is not a multi-reference value (no id), -1 when there is none.
[[nodiscard]] int ElementoPrincipalSoap(const ArbolXml &arbol, int cuerpo);

/// The fault the body holds, if any: its message is exactly the faultstring.
[[nodiscard]] std::optional<ErrorServicio> FaultSoap(const ArbolXml &arbol, int cuerpo);

/// The first child of `nodo` whose name is `nombre` (exact), -1 when there is none.
[[nodiscard]] int HijoSoap(const ArbolXml &arbol, int nodo, QStringView nombre,
                           Qt::CaseSensitivity cs = Qt::CaseSensitive);
