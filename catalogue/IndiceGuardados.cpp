#include "catalogue/IndiceGuardados.h"
#include "app/TileList.h"
#include "catalogue/BusquedaLocal.h"
#include "catalogue/Desechar.h"
#include "catalogue/FotosCatalogo.h"
#include "catalogue/PreparacionProductos.h"
#include "catalogue/ProductosGuardados.h"
#include "storage/ListaProductosGuardados.h"
#include "util/Archivos.h"
#include <QElapsedTimer>

namespace {
/// One slice of the work: well under a frame, so that typing and drawing go on.
constexpr qint64 MsPorTramo = 2;
/// How soon to look again while a task owns the list.
constexpr int MsEspera = 30;
} // namespace

IndiceGuardados::IndiceGuardados(const ListaProductosGuardados &lista, std::function<bool()> puedeLeer, QObject *parent)
    : QObject(parent), m_lista(lista), m_puedeLeer(std::move(puedeLeer))
{
    m_reloj.setSingleShot(true);
    connect(&m_reloj, &QTimer::timeout, this, &IndiceGuardados::tramo);
}

bool IndiceGuardados::alDia() const { return m_revisionHecha == m_lista.revision(); }

void IndiceGuardados::ponerAlDia()
{
    if (!alDia() && !m_reloj.isActive())
        m_reloj.start(0);
}

void IndiceGuardados::completar()
{
    m_reloj.stop();
    if (alDia())
        return;
    if (m_revisionNueva != m_lista.revision())
        empezar();
    avanzar(-1);
}

void IndiceGuardados::empezar()
{
    Desechar(std::exchange(m_nuevas, {}));
    m_revisionNueva = m_lista.revision();
    m_siguiente = 0;
    m_carpeta = CarpetaDocumentos();
}

void IndiceGuardados::tramo()
{
    if (alDia())
        return;
    if (!m_puedeLeer()) {
        m_reloj.start(MsEspera);
        return;
    }
    // The list changed under the entries being made: they start again.
    if (m_revisionNueva != m_lista.revision())
        empezar();
    if (!avanzar(MsPorTramo))
        m_reloj.start(0);
}

bool IndiceGuardados::avanzar(qint64 ms)
{
    QElapsedTimer reloj;
    reloj.start();
    const int n = m_lista.num();
    while (m_siguiente < n) {
        TProducto p = ProductoGuardado(m_lista.registro(m_siguiente++));
        const QString quien = IdentidadProducto(p);
        if (!m_nuevas.ids.contains(quien)) {
            m_nuevas.ids.insert(quien);
            Tile t = TileProducto(p, -1);
            if (FotosCatalogo::EsNombreLocal(p.FotoStr))
                TileList::ponerImagen(t, AlmacenImagenes::instancia().guardarArchivo(m_carpeta + u'/' + p.FotoStr));
            m_nuevas.claves.append(ClaveBusqueda(p));
            m_nuevas.entradas.append({std::move(t), std::move(p), quien});
        }
        if (ms >= 0 && (m_siguiente & 7) == 0 && reloj.elapsed() >= ms)
            return false;
    }
    Desechar(std::exchange(m_hechas, std::move(m_nuevas)));
    m_nuevas = {};
    m_revisionHecha = m_revisionNueva;
    emit rehecho();
    return true;
}
