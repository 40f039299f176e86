#include "catalogue/FiltroProductos.h"
#include "util/Numeros.h"
#include "util/Textos.h"

namespace {
QString numero(int n) { return FormatoPatron(n, QStringLiteral("#######0")); }

QString condicionCategoria(int nuCategoria)
{
    return QStringLiteral("(PRODUCTO.NUCATEGORIA=") + numero(nuCategoria) + u')';
}
} // namespace

QString FiltroProductos(int tipo, const QString &filtro, int nuCategoria, int nuSubCategoria)
{
    switch (TipoFiltro(tipo)) {
    case TipoFiltro::Categoria: return condicionCategoria(nuCategoria);
    case TipoFiltro::SubCategoria:
        return condicionCategoria(nuCategoria) + QStringLiteral(" and (PRODUCTO.NUSUBCATEGORIA=")
               + numero(nuSubCategoria) + u')';
    case TipoFiltro::Texto: return u'@' + filtro;
    case TipoFiltro::Codigo: return u'#' + filtro;
    }
    return {};
}

Busqueda LeerBusqueda(const QString &texto)
{
    Busqueda b;
    if (!TieneTexto(texto))
        return b;
    const qsizetype estrella = texto.indexOf(u'*');
    if (estrella < 0) {
        b = {true, int(TipoFiltro::Texto), texto, {}};
        return b;
    }
    const QString cantidad = texto.left(estrella);
    const QString resto = texto.mid(estrella + 1);
    if (TieneTexto(resto) && LeerReal(cantidad) > 0)
        b = {true, int(TipoFiltro::Codigo), resto, cantidad};
    return b;
}

QString TextoInstantaneo(const QString &texto)
{
    const Busqueda b = LeerBusqueda(texto);
    return b.cargar ? Recortar(b.filtro) : QString();
}
