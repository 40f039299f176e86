#include "service/EscritorXml.h"

namespace {
bool esCaracterXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}
} // namespace

QString TextoXmlValido(QStringView texto)
{
    QString r;
    r.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) {
            r += c;
            r += texto[++i];
        } else if (!c.isSurrogate() && esCaracterXml(c.unicode())) {
            r += c;
        }
    }
    return r;
}

void EscritorXml::declaracion()
{
    m_salida += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
}

void EscritorXml::abrir(QStringView nombre)
{
    terminarApertura();
    m_salida += '<';
    m_salida += nombre.toUtf8();
    m_abiertos.append(nombre.toString());
    m_aperturaPendiente = true;
}

void EscritorXml::atributo(QStringView nombre, QStringView valor)
{
    Q_ASSERT(m_aperturaPendiente);
    m_salida += ' ';
    m_salida += nombre.toUtf8();
    m_salida += "=\"";
    escapar(valor, true);
    m_salida += '"';
}

void EscritorXml::texto(QStringView valor)
{
    if (valor.isEmpty())
        return;
    terminarApertura();
    escapar(valor, false);
}

void EscritorXml::cerrar()
{
    const QString nombre = m_abiertos.takeLast();
    if (m_aperturaPendiente) {
        m_salida += "/>";
        m_aperturaPendiente = false;
        return;
    }
    m_salida += "</";
    m_salida += nombre.toUtf8();
    m_salida += '>';
}

void EscritorXml::anexar(const QByteArray &fragmento)
{
    terminarApertura();
    m_salida += fragmento;
}

void EscritorXml::terminarApertura()
{
    if (m_aperturaPendiente) {
        m_salida += '>';
        m_aperturaPendiente = false;
    }
}

void EscritorXml::escapar(QStringView valor, bool enAtributo)
{
    QString r;
    r.reserve(valor.size() + 8);
    for (const QChar c : TextoXmlValido(valor)) {
        switch (c.unicode()) {
        case '&': r += u"&amp;"; break;
        case '<': r += u"&lt;"; break;
        case '>': r += u"&gt;"; break;
        case '"': enAtributo ? r += u"&quot;" : r += c; break;
        // A raw CR would reach the other side as LF (end-of-line handling); the
        // reference keeps it. In attributes tab and LF would become blanks as well.
        case '\r': r += u"&#13;"; break;
        case '\n': enAtributo ? r += u"&#10;" : r += c; break;
        case '\t': enAtributo ? r += u"&#9;" : r += c; break;
        default: r += c;
        }
    }
    m_salida += r.toUtf8();
}
