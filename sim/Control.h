#pragma once
#include "sim/AjustesSim.h"
#include "sim/Http.h"

class BaseDatos;
class Operaciones;
class Restaurante;

/// The control interface under /control/, JSON in and out, for tests and people:
/// settings, the kitchen marking dishes ready, finishing comandas, what was stored,
/// the calls received, and a fresh start.
class Control {
public:
    Control(BaseDatos &base, Restaurante &restaurante, Operaciones &operaciones, AjustesSim &ajustes,
            const AjustesSim &iniciales)
        : m_base(base), m_restaurante(restaurante), m_operaciones(operaciones), m_ajustes(ajustes),
          m_iniciales(iniciales)
    {
    }

    /// `ruta` is what follows "/control/" (e.g. "ajustes").
    [[nodiscard]] RespuestaHttp atender(const QByteArray &metodo, const QString &ruta, const QByteArray &cuerpo);

private:
    BaseDatos &m_base;
    Restaurante &m_restaurante;
    Operaciones &m_operaciones;
    AjustesSim &m_ajustes;
    const AjustesSim &m_iniciales;
};
