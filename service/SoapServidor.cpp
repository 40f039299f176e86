#include "service/SoapServidor.h"
#include "service/ArbolXml.h"
#include "service/DecodificadorSoap.h"
#include "service/SobreSoap.h"

// EscribirRespuestaSoap and EscribirFaultSoap live with the encoder (CodificadorSoap.cpp).

struct PeticionSoap::Datos {
    ArbolXml arbol{QStringLiteral("La petición SOAP")};
    int operacion = -1;
};

PeticionSoap::PeticionSoap(const QByteArray &cuerpo) : d(std::make_unique<Datos>())
{
    d->arbol.alimentar(cuerpo);
    d->arbol.terminar();
    d->operacion = ElementoPrincipalSoap(d->arbol, CuerpoSoap(d->arbol));
    if (d->operacion < 0)
        throw ErrorServicio(QStringLiteral("La petición SOAP no nombra ninguna operación"));
}

PeticionSoap::~PeticionSoap() = default;
PeticionSoap::PeticionSoap(PeticionSoap &&) noexcept = default;

QString PeticionSoap::operacion() const { return d->arbol.nombre(d->operacion).toString(); }

bool PeticionSoap::leer(const QString &nombre, Valor destino) const
{
    const int nodo = HijoSoap(d->arbol, d->operacion, nombre);
    if (nodo < 0)
        return false;
    DecodificadorSoap(d->arbol).leer(nodo, destino);
    return true;
}
