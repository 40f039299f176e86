#pragma once
#include "service/Itrazen.h"
#include <memory>

/// The service client as the application sees it (`SoapClient1`): time-outs, the
/// binding to an address, and a fresh `Itrazen` interface for each call, made on the
/// thread that calls. Tests put a fake in its place.
class ClienteServicio {
public:
    virtual ~ClienteServicio() = default;
    virtual void setTimeouts(int conectarMs, int recibirMs) = 0;
    virtual void enlazar(const QString &wsdl, const QString &servicio, const QString &puerto) = 0;
    [[nodiscard]] virtual std::unique_ptr<Itrazen> itrazen() = 0;
    /// Ends every running and later call at once: the window is closing.
    virtual void cancelarLlamadas() {}
};
