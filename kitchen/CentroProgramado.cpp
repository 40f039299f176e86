#include "kitchen/CentroProgramado.h"
#include <QDateTime>
#include <algorithm>
#include <limits>

namespace {
int Milisegundos(qint64 ms) { return int(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max())); }
} // namespace

CentroProgramado::~CentroProgramado() = default;

void CentroProgramado::pedirPermiso()
{
    QMetaObject::invokeMethod(this, [this] { emit permiso(true); }, Qt::QueuedConnection);
}

void CentroProgramado::programar(const Notificacion &n)
{
    auto p = std::make_unique<Programada>();
    p->n = n;
    p->timer.setSingleShot(true);
    // A date already past (or none) shows at once, on the next turn of the event loop.
    const qint64 espera = n.fecha.isValid() ? QDateTime::currentDateTime().msecsTo(n.fecha) : 0;
    p->timer.setInterval(Milisegundos(espera));
    const QString nombre = n.nombre;
    connect(&p->timer, &QTimer::timeout, this, [this, nombre] { disparar(nombre); });
    p->timer.start();
    m_programadas[nombre] = std::move(p); // an earlier one of that name stops with its timer
}

void CentroProgramado::disparar(const QString &nombre)
{
    auto it = m_programadas.find(nombre);
    if (it == m_programadas.end())
        return;
    Programada &p = *it->second;
    const qint64 intervalo = m_repeticion.count() > 0 ? m_repeticion.count() : qint64(p.n.repetirSeg) * 1000;
    if (intervalo > 0) {
        p.timer.setInterval(Milisegundos(intervalo));
        p.timer.start();
    }
    // Without a repeat the entry stays, its timer stopped: erasing it here would delete
    // the timer that is calling.
    const Notificacion n = p.n;
    mostrar(n);
}

void CentroProgramado::cancelar(const QString &nombre)
{
    m_programadas.erase(nombre);
    retirar(nombre);
}

bool CentroProgramado::programada(const QString &nombre) const
{
    const auto it = m_programadas.find(nombre);
    return it != m_programadas.end() && it->second->timer.isActive();
}

int CentroProgramado::espera(const QString &nombre) const
{
    return programada(nombre) ? m_programadas.at(nombre)->timer.interval() : -1;
}
