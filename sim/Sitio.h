#pragma once
#include "sim/AjustesSim.h"
#include "sim/BaseDatos.h"
#include "sim/Control.h"
#include "sim/Http.h"
#include "sim/Operaciones.h"
#include "sim/Restaurante.h"

/// The whole stand-in server behind its HTTP front: the description, the SOAP endpoint
/// and the control interface, over one database and one set of settings.
class Sitio {
public:
    static constexpr const char *RutaWsdl = "/WSTrazen.dll/wsdl/Itrazen";
    static constexpr const char *RutaSoap = "/WSTrazen.dll/soap/Itrazen";

    /// `archivo` empty: a database in memory. `iniciales` are also what reiniciar restores.
    Sitio(const QString &archivo, const AjustesSim &iniciales);

    /// Routes one request. Paths are matched regardless of letter case, as the
    /// installation's server does.
    [[nodiscard]] RespuestaHttp atender(const PeticionHttp &peticion);

    [[nodiscard]] AjustesSim &ajustes() { return m_ajustes; }
    [[nodiscard]] Restaurante &restaurante() { return m_restaurante; }

private:
    AjustesSim m_iniciales;
    AjustesSim m_ajustes;
    BaseDatos m_base;
    Restaurante m_restaurante;
    Operaciones m_operaciones;
    Control m_control;
};
