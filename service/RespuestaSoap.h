#pragma once
#include "service/ArbolXml.h"
#include "service/Valor.h"

/// One reply of the service, parsed while its bytes arrive; once complete it raises
/// the service's fault or hands out the function result and the output arguments.
class RespuestaSoap {
public:
    explicit RespuestaSoap(qint64 limiteBytes = LimitesXml{}.bytes);

    /// Throws ErrorServicio as soon as the bytes cannot be (or grow beyond) a reply.
    void alimentar(QByteArrayView datos);
    /// True once the root element is known to be a SOAP envelope.
    [[nodiscard]] bool esSobre() const;
    /// The whole reply is in: throws when it is incomplete, not an envelope or a fault.
    void terminar();

    /// Reads the result of `operacion` (none for a procedure) and every output part the
    /// reply carries; outputs it does not carry keep their value. A missing result is an
    /// error when it is a scalar and an absent value when it is a record or a list.
    void leer(QStringView operacion, const std::optional<Valor> &resultado, const QList<Parte> &salidas);

private:
    ArbolXml m_arbol;
    int m_respuesta = -1;
};
