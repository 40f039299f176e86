#pragma once
#include "app/ClienteServicio.h"
#include "service/SoapClient.h"

/// The real service client: the application's view of one SoapClient.
class ClienteSoap : public ClienteServicio {
public:
    void setTimeouts(int conectarMs, int recibirMs) override { m_cliente.setTimeouts(conectarMs, recibirMs); }
    void enlazar(const QString &wsdl, const QString &servicio, const QString &puerto) override
    {
        m_cliente.setDireccion(wsdl, servicio, puerto);
    }
    [[nodiscard]] std::unique_ptr<Itrazen> itrazen() override { return m_cliente.itrazen(); }
    void cancelarLlamadas() override { m_cliente.cancelarLlamadas(); }
    [[nodiscard]] SoapClient &cliente() { return m_cliente; }

private:
    SoapClient m_cliente;
};
