#pragma once
#include "service/Itrazen.h"
#include "sim/AjustesSim.h"
#include "sim/Http.h"
#include <QByteArray>
#include <QJsonArray>
#include <QString>

class PeticionSoap;

/// The SOAP end of the sim: decodes a request, calls the operation on the service and
/// encodes its answer as the settings say (schema version, multi-reference, ids), or
/// misbehaves as they say (fault, HTTP error, malformed reply, delay, an answer lost,
/// late or dripped after the work is done).
class Operaciones {
public:
    Operaciones(Itrazen &servicio, AjustesSim &ajustes) : m_servicio(servicio), m_ajustes(ajustes) {}

    /// Answers one POSTed request; `accion` is its SOAPAction header as received (quotes
    /// included), kept in the call log.
    [[nodiscard]] RespuestaHttp atender(const QByteArray &peticion, const QString &accion = {});

    /// The calls received since the start or the last olvidarLlamadas() (the latest 1000):
    /// operation, SOAPAction and user, oldest first.
    [[nodiscard]] const QJsonArray &llamadas() const { return m_llamadas; }
    void olvidarLlamadas() { m_llamadas = {}; }

private:
    RespuestaHttp contestar(const QString &operacion, const PeticionSoap &peticion);
    QByteArray responder(const QString &operacion, const PeticionSoap &peticion);

    Itrazen &m_servicio;
    AjustesSim &m_ajustes;
    QJsonArray m_llamadas;
};
