#pragma once
// The server side of the same encoding, used by the stand-in server wstrazen-sim:
// reads a request into named arguments and writes a response or a fault.
#include "service/ErrorServicio.h"
#include "service/Valor.h"
#include <QByteArray>
#include <QList>
#include <memory>

/// XML Schema versions a response may be written in (the client accepts all three).
enum class VersionEsquema { X1999, X2000_10, X2001 };

/// How a response is written: schema version, and whether records are inline or
/// multi-reference values after the response element.
struct OpcionesRespuesta {
    VersionEsquema esquema = VersionEsquema::X2001;
    bool multiRef = true;
    QString prefijoIds; // ids as written: "" gives id="1", "_" gives id="_1", "ref" gives "ref1"
    bool referenciasAdelantadas = false; // multi-ref values placed before the response element
};

/// A parsed request. Throws ErrorServicio when the bytes are not a SOAP request.
class PeticionSoap {
public:
    explicit PeticionSoap(const QByteArray &cuerpo);
    ~PeticionSoap();
    PeticionSoap(PeticionSoap &&) noexcept;

    /// Local name of the operation element (the operation called).
    [[nodiscard]] QString operacion() const;
    /// Decodes argument `nombre` into `destino`; false when the request does not carry it.
    bool leer(const QString &nombre, Valor destino) const;

private:
    struct Datos;
    std::unique_ptr<Datos> d;
};

/// A response envelope: element operacion + "Response" in "urn:trazenIntf-Itrazen", with the
/// parts in order (the function result is named "return").
[[nodiscard]] QByteArray EscribirRespuestaSoap(const QString &operacion, const QList<Parte> &partes,
                                               const OpcionesRespuesta &opciones = {});

/// A SOAP fault envelope.
[[nodiscard]] QByteArray EscribirFaultSoap(const QString &faultcode, const QString &faultstring,
                                           VersionEsquema esquema = VersionEsquema::X2001);
