#pragma once
#include "service/OperacionesItrazen.h"
#include <QJsonObject>
#include <QStringList>

/// The arguments of one operation as typed on the command line ("Name=value"), as JSON
/// by parameter type: text as is, Integer, Boolean (true/false/1/0), Real with "." and
/// a record as JSON, inline or "@file". Throws ErrorJson on a bad name or value.
[[nodiscard]] QJsonObject ArgumentosDeLinea(const OperacionItrazen &op, const QStringList &pares);

/// One line per operation: "Name Param:Type var Param:Type ... -> Result".
[[nodiscard]] QString FirmaDe(const OperacionItrazen &op);
