#pragma once
#include "ServidorPrueba.h"
#include "service/SoapClient.h"

/// The stand-in server of a test with its description at /wsdl/Itrazen, calls going to
/// /soap/Itrazen, and a client bound to it.
struct EscenarioSoap {
    ServidorPrueba servidor;
    SoapClient cliente;

    EscenarioSoap()
    {
        servidor.en("/wsdl/Itrazen", ServidorPrueba::Respuesta{200, WsdlPrueba(servidor.url("/soap/Itrazen").toString())});
        cliente.setDireccion(servidor.url("/wsdl/Itrazen").toString());
    }
    /// The next calls get this reply.
    void responder(const QByteArray &cuerpo, int estado = 200)
    {
        servidor.en("/soap/Itrazen", ServidorPrueba::Respuesta{estado, cuerpo});
    }
    /// The body of the last call the server received.
    [[nodiscard]] QByteArray ultimaLlamada() const
    {
        for (auto it = servidor.peticiones().crbegin(); it != servidor.peticiones().crend(); ++it)
            if (it->ruta == "/soap/Itrazen")
                return it->cuerpo;
        return {};
    }
};

/// A reply envelope around `cuerpo` (the Body's content), in the 2001 schema unless
/// other namespaces are given.
inline QByteArray SobrePrueba(const QByteArray &cuerpo,
                              const QByteArray &xsd = "http://www.w3.org/2001/XMLSchema",
                              const QByteArray &xsi = "http://www.w3.org/2001/XMLSchema-instance")
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" xmlns:xsd=\""
        + xsd + "\" xmlns:xsi=\"" + xsi
        + "\" xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\">"
          "<SOAP-ENV:Body SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\">"
        + cuerpo + "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
}
