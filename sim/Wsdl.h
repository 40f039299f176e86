#pragma once
#include <QByteArray>
#include <QString>

/// The WSDL 1.1 description of the service: rpc/encoded binding with the SOAPActions
/// "urn:trazenIntf-Itrazen#<Operation>", service "Itrazenservice", port "ItrazenPort"
/// at `base` + "/WSTrazen.dll/soap/Itrazen", and schema types made from the field tables.
[[nodiscard]] QByteArray DescripcionWsdl(const QString &base);
