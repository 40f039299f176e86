#pragma once
#include "service/EscritorJson.h"
#include "service/ItrazenSoap.h"
#include "service/Json.h"

/// Calls `op` with its arguments given as JSON by parameter name (those not given go
/// at their initial value) and answers {"result": ..., and every var and out
/// parameter}. A procedure's result is null. Throws ErrorJson for an argument that the
/// operation does not take or whose value does not fit, ErrorServicio when the call fails.
[[nodiscard]] QJsonObject LlamarConJson(ItrazenSoap &itrazen, const OperacionItrazen &op,
                                        const QJsonObject &argumentos);

/// The same answer written to `salida` as it is made, "result" first and then the
/// parameters in declaration order: a long list is never held as JSON whole. Nothing
/// is written when the call fails.
void LlamarConJson(ItrazenSoap &itrazen, const OperacionItrazen &op, const QJsonObject &argumentos,
                   EscritorJson &salida);
