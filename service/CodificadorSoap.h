#pragma once
#include "service/SoapServidor.h"

/// The request document of one call: the operation element in "urn:trazenIntf-Itrazen"
/// with the sent arguments in declaration order, every record written once as a
/// multi-reference value after it (ids "1", "2"... in the order first met).
[[nodiscard]] QByteArray EscribirPeticionSoap(const QString &operacion, const QList<Parte> &partes);

/// Any encoded envelope: `elemento` in "urn:trazenIntf-Itrazen" holding the parts, in
/// the schema version and record layout of `opciones`. Requests and responses alike.
[[nodiscard]] QByteArray EscribirSobreSoap(const QString &elemento, const QList<Parte> &partes,
                                           const OpcionesRespuesta &opciones);
