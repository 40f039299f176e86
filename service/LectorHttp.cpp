#include "service/LectorHttp.h"
#include "service/ErrorServicio.h"

namespace {
constexpr qsizetype MaxLineaTrozo = 1024; // a chunk's size and its extensions

bool SoloDigitos(QByteArrayView s, int base)
{
    if (s.isEmpty())
        return false;
    for (const char c : s)
        if (!(c >= '0' && c <= '9') && !(base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))))
            return false;
    return true;
}

/// A line without its end ("\r\n" or "\n").
QByteArrayView SinFin(QByteArrayView linea)
{
    if (linea.endsWith('\n'))
        linea.chop(1);
    if (linea.endsWith('\r'))
        linea.chop(1);
    return linea;
}
} // namespace

LectorHttp::LectorHttp(QString que) : m_que(std::move(que)) {}

qsizetype LectorHttp::alimentar(QByteArrayView datos, const Cuerpo &cuerpo)
{
    if (!datos.isEmpty())
        m_empezada = true;
    qsizetype tomados = 0;
    while (tomados < datos.size()) {
        const QByteArrayView resto = datos.sliced(tomados);
        switch (m_fase) {
        case Fase::Cabeceras:
            return tomados + tomarCabeceras(resto);
        case Fase::Largo:
        case Fase::Trozo: {
            const qsizetype n = qsizetype(qMin<qint64>(m_resta, resto.size()));
            tomados += n;
            if ((m_resta -= n) == 0)
                m_fase = m_fase == Fase::Largo ? Fase::Completa : Fase::FinTrozo;
            cuerpo(resto.first(n));
            break;
        }
        case Fase::HastaCierre:
            tomados = datos.size();
            cuerpo(resto);
            break;
        case Fase::TamanoTrozo:
            tomados += tomarLinea(resto, MaxLineaTrozo);
            if (m_pendiente.endsWith('\n'))
                leerTamanoTrozo();
            break;
        case Fase::FinTrozo:
            tomados += tomarLinea(resto, 2);
            if (m_pendiente.endsWith('\n')) {
                if (!SinFin(m_pendiente).isEmpty())
                    fallar(QStringLiteral("%1 trae un trozo mal formado").arg(m_que));
                m_pendiente.clear();
                m_fase = Fase::TamanoTrozo;
            }
            break;
        case Fase::Epilogo:
            tomados += tomarLinea(resto, MaxCabeceras - m_epilogo);
            if (m_pendiente.endsWith('\n')) {
                m_epilogo += m_pendiente.size();
                if (SinFin(m_pendiente).isEmpty())
                    m_fase = Fase::Completa;
                m_pendiente.clear();
            }
            break;
        case Fase::Completa:
            return datos.size();
        }
    }
    return tomados;
}

void LectorHttp::cerrada()
{
    if (m_fase == Fase::HastaCierre)
        m_fase = Fase::Completa;
}

QByteArray LectorHttp::cabecera(QByteArrayView nombre) const
{
    for (const auto &[clave, valor] : m_cabeceras)
        if (clave.compare(nombre, Qt::CaseInsensitive) == 0)
            return valor;
    return {};
}

qsizetype LectorHttp::tomarCabeceras(QByteArrayView datos)
{
    const qsizetype antes = m_pendiente.size();
    m_pendiente.append(datos.first(qMin(datos.size(), MaxCabeceras - antes)));
    // The blank line that ends them: "\n\n" or "\n\r\n", perhaps begun in an earlier piece.
    for (qsizetype i = qMax<qsizetype>(0, antes - 2); i < m_pendiente.size(); ++i) {
        if (m_pendiente[i] != '\n')
            continue;
        qsizetype fin = -1;
        if (i + 1 < m_pendiente.size() && m_pendiente[i + 1] == '\n')
            fin = i + 2;
        else if (i + 2 < m_pendiente.size() && m_pendiente[i + 1] == '\r' && m_pendiente[i + 2] == '\n')
            fin = i + 3;
        if (fin < 0)
            continue;
        const QByteArray bloque = m_pendiente.left(fin);
        m_pendiente.clear();
        leerCabeceras(bloque);
        return fin - antes;
    }
    if (m_pendiente.size() >= MaxCabeceras)
        fallar(QStringLiteral("%1 trae cabeceras de más de %2 bytes").arg(m_que).arg(MaxCabeceras));
    return datos.size();
}

qsizetype LectorHttp::tomarLinea(QByteArrayView datos, qsizetype maximo)
{
    const qsizetype fin = datos.indexOf('\n');
    const qsizetype n = fin < 0 ? datos.size() : fin + 1;
    m_pendiente.append(datos.first(n));
    if (SinFin(m_pendiente).size() > maximo)
        fallar(QStringLiteral("%1 trae un trozo mal formado").arg(m_que));
    return n;
}

void LectorHttp::leerCabeceras(const QByteArray &bloque)
{
    const QList<QByteArray> lineas = bloque.split('\n');
    // "HTTP/1.1 200 OK": the reason may be empty, even missing.
    const QByteArrayView primera = SinFin(lineas.first());
    const qsizetype espacio = primera.indexOf(' ');
    const QByteArrayView resto = espacio < 0 ? QByteArrayView() : primera.sliced(espacio + 1);
    const QByteArrayView codigo = resto.first(qMin<qsizetype>(3, resto.size()));
    if (!primera.startsWith("HTTP/1.") || codigo.size() != 3 || !SoloDigitos(codigo, 10)
        || (resto.size() > 3 && resto[3] != ' '))
        fallar(QStringLiteral("%1 no es HTTP").arg(m_que));
    m_estado = codigo.toInt();
    m_razon = resto.sliced(3).trimmed().toByteArray();
    m_cabeceras.clear();
    for (qsizetype i = 1; i < lineas.size(); ++i) {
        const QByteArrayView linea = SinFin(lineas[i]);
        if (linea.isEmpty())
            continue;
        if ((linea[0] == ' ' || linea[0] == '\t') && !m_cabeceras.isEmpty()) { // folded onto the previous one
            m_cabeceras.last().second += ' ' + linea.trimmed().toByteArray();
            continue;
        }
        const qsizetype dp = linea.indexOf(':');
        if (dp > 0)
            m_cabeceras.append({linea.first(dp).trimmed().toByteArray(), linea.sliced(dp + 1).trimmed().toByteArray()});
    }
    if (m_estado >= 100 && m_estado < 200)
        return; // interim: the reply proper follows
    empezarCuerpo();
}

void LectorHttp::empezarCuerpo()
{
    if (m_estado == 204 || m_estado == 304) {
        m_fase = Fase::Completa;
        return;
    }
    // A transfer coding outweighs any length; without chunked last, the body ends at the close.
    if (const QByteArray codificacion = cabecera("transfer-encoding"); !codificacion.isNull()) {
        m_fase = codificacion.split(',').constLast().trimmed().toLower() == "chunked" ? Fase::TamanoTrozo
                                                                                      : Fase::HastaCierre;
        return;
    }
    for (const auto &[clave, valor] : m_cabeceras) {
        if (clave.compare("content-length", Qt::CaseInsensitive) != 0)
            continue;
        if (!SoloDigitos(valor, 10) || valor.size() > 18 || (m_largo >= 0 && valor.toLongLong() != m_largo))
            fallar(QStringLiteral("%1 trae un Content-Length no válido").arg(m_que));
        m_largo = valor.toLongLong();
    }
    m_resta = m_largo;
    m_fase = m_largo < 0 ? Fase::HastaCierre : m_largo == 0 ? Fase::Completa : Fase::Largo;
}

void LectorHttp::leerTamanoTrozo()
{
    const QByteArrayView linea = SinFin(m_pendiente);
    const qsizetype extension = linea.indexOf(';');
    const QByteArrayView tamano = (extension < 0 ? linea : linea.first(extension)).trimmed();
    if (!SoloDigitos(tamano, 16) || tamano.size() > 15)
        fallar(QStringLiteral("%1 trae un trozo mal formado").arg(m_que));
    m_resta = tamano.toLongLong(nullptr, 16);
    m_pendiente.clear();
    m_fase = m_resta == 0 ? Fase::Epilogo : Fase::Trozo;
}

void LectorHttp::fallar(const QString &que) const
{
    throw ErrorServicio(que);
}
