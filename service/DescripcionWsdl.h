#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUrl>

/// What the service description teaches about one port: where calls go and the
/// SOAPAction of each operation of the port's binding.
struct EnlaceSoap {
    QUrl endpoint;
    QHash<QString, QString> acciones; // operation name -> soapAction

    /// The operation's SOAPAction; empty when the description gives none.
    [[nodiscard]] QString accion(const QString &operacion) const { return acciones.value(operacion); }
};

/// Reads a WSDL 1.1 description: the port `puerto` of service `servicio`, its
/// soap:address location (relative locations resolved against `direccion`) and the
/// soapAction of every operation of its binding. Throws ErrorServicio when the bytes
/// are not a description or it lacks the service, the port or its address.
[[nodiscard]] EnlaceSoap LeerDescripcionWsdl(const QByteArray &wsdl, const QString &servicio,
                                             const QString &puerto, const QUrl &direccion);
