#include "service/ArbolXml.h"
#include "service/ErrorServicio.h"
#include "service/Base64Exacto.h"

ArbolXml::ArbolXml(QString que, Limites limites, QList<QLatin1StringView> atributos)
    : m_que(std::move(que)), m_limites(limites), m_filtro(std::move(atributos))
{
    m_lector.setNamespaceProcessing(true);
    nombreInterno(u""); // index 0: the empty name (no namespace)
}

void ArbolXml::alimentar(QByteArrayView datos)
{
    if (m_completo || datos.isEmpty())
        return;
    m_bytes += datos.size();
    if (m_bytes > m_limites.bytes)
        fallar(QStringLiteral("%1 excede el límite de %2 bytes").arg(m_que).arg(m_limites.bytes));
    m_bytesSinToken += datos.size();
    m_lector.addData(datos.toByteArray());
    procesar();
    if (!m_completo && m_bytesSinToken > m_limites.bytesPorToken)
        fallar(QStringLiteral("%1 tiene un valor o una etiqueta de más de %2 bytes").arg(m_que).arg(m_limites.bytesPorToken));
}

QString ArbolXml::texto(int n) const
{
    const Nodo &x = m_nodos[n];
    return x.decodificado ? EscribirBase64(x.bytes, x.forma) : x.texto;
}

void ArbolXml::terminar()
{
    if (!m_completo)
        fallar(m_que + (m_nodos.isEmpty() ? QStringLiteral(" llegó vacía") : QStringLiteral(" llegó incompleta")));
}

QStringView ArbolXml::atributo(int n, QLatin1StringView nombre) const
{
    return atributo(n, nombre, [](QStringView) { return true; });
}

void ArbolXml::procesar()
{
    while (!m_completo) {
        const QXmlStreamReader::TokenType token = m_lector.readNext();
        if (token != QXmlStreamReader::Invalid)
            m_bytesSinToken = 0; // what the reader still holds is within this piece
        switch (token) {
        case QXmlStreamReader::StartElement:
            abrirElemento();
            break;
        case QXmlStreamReader::EndElement:
            m_actual = m_nodos[m_actual].padre;
            --m_profundidad;
            break;
        case QXmlStreamReader::Characters:
            // Text only counts in elements without children (values); the blanks
            // between the elements of a record are layout.
            if (m_actual >= 0 && m_nodos[m_actual].primerHijo < 0)
                agregarTexto(m_nodos[m_actual], m_lector.text());
            break;
        case QXmlStreamReader::DTD:
            fallar(m_que + QStringLiteral(" declara un tipo de documento (DTD), que no se admite"));
        case QXmlStreamReader::EntityReference:
            fallar(QStringLiteral("%1 usa una entidad no admitida: %2").arg(m_que, m_lector.name().toString()));
        case QXmlStreamReader::EndDocument:
            m_completo = true;
            break;
        case QXmlStreamReader::Invalid:
            if (m_lector.error() == QXmlStreamReader::PrematureEndOfDocumentError)
                return; // wait for more bytes
            fallar(QStringLiteral("%1 no es un XML válido: %2 (línea %3, columna %4)")
                       .arg(m_que, m_lector.errorString())
                       .arg(m_lector.lineNumber())
                       .arg(m_lector.columnNumber()));
        default:
            break;
        }
    }
}

void ArbolXml::abrirElemento()
{
    if (++m_profundidad > m_limites.profundidad)
        fallar(QStringLiteral("%1 anida más de %2 niveles").arg(m_que).arg(m_limites.profundidad));
    if (m_nodos.size() >= m_limites.elementos)
        fallar(QStringLiteral("%1 tiene más de %2 elementos").arg(m_que).arg(m_limites.elementos));

    Nodo x;
    x.nombre = nombreInterno(m_lector.name());
    x.espacio = nombreInterno(m_lector.namespaceUri());
    x.padre = m_actual;
    x.atributoInicio = int(m_atributos.size());
    for (const QXmlStreamAttribute &a : m_lector.attributes()) {
        if (!m_filtro.isEmpty() && !m_filtro.contains(a.name()))
            continue;
        m_atributos.append({nombreInterno(a.name()), nombreInterno(a.namespaceUri()), a.value().toString()});
        ++x.atributoCuenta;
    }
    const int n = int(m_nodos.size());
    if (m_actual >= 0) {
        Nodo &p = m_nodos[m_actual];
        if (p.ultimoHijo >= 0)
            m_nodos[p.ultimoHijo].siguiente = n;
        else {
            p.primerHijo = n;
            quitarTexto(p); // layout before the first child
        }
        p.ultimoHijo = n;
    }
    m_nodos.append(std::move(x));
    m_actual = n;
}

void ArbolXml::agregarTexto(Nodo &x, QStringView t)
{
    m_caracteres += t.size();
    if (x.decodificado) { // more text after it (a CDATA section): text after all
        x.texto = EscribirBase64(x.bytes, x.forma);
        x.bytes = QByteArray();
        x.decodificado = false;
    }
    // Decoded straight from the reader's buffer: the text is never copied.
    if (m_umbralBase64 > 0 && x.texto.isEmpty() && t.size() >= m_umbralBase64)
        if (std::optional<QByteArray> bytes = LeerBase64Exacto(t, x.forma)) {
            x.bytes = std::move(*bytes);
            x.decodificado = true;
            return;
        }
    x.texto += t;
}

void ArbolXml::quitarTexto(Nodo &x)
{
    m_caracteres -= x.decodificado ? EscribirBase64(x.bytes, x.forma).size() : x.texto.size();
    x.texto = QString();
    x.bytes = QByteArray();
    x.decodificado = false;
}

int ArbolXml::nombreInterno(QStringView s)
{
    if (const auto it = m_indice.constFind(s); it != m_indice.cend())
        return *it;
    const int i = int(m_nombres.size());
    m_nombres.append(s.toString());
    m_indice.insert(QStringView(m_nombres.constLast()), i);
    return i;
}

void ArbolXml::fallar(const QString &mensaje) const
{
    throw ErrorServicio(mensaje);
}
