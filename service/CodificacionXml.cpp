#include "service/CodificacionXml.h"
#include "service/ErrorServicio.h"

namespace {
// An XML declaration is a few dozen bytes; one that does not end by then is no declaration.
constexpr qsizetype LargoDeclaracion = 1024;

/// The value of the encoding pseudo-attribute of an XML declaration, empty when absent.
QByteArray EncodingDeclarado(QByteArrayView declaracion)
{
    const qsizetype i = declaracion.indexOf("encoding");
    if (i < 0)
        return {};
    qsizetype j = i + 8;
    while (j < declaracion.size() && (declaracion[j] == ' ' || declaracion[j] == '\t' || declaracion[j] == '\r'
                                      || declaracion[j] == '\n' || declaracion[j] == '='))
        ++j;
    if (j >= declaracion.size() || (declaracion[j] != '"' && declaracion[j] != '\''))
        return {};
    const qsizetype fin = declaracion.indexOf(declaracion[j], j + 1);
    return fin < 0 ? QByteArray() : declaracion.sliced(j + 1, fin - j - 1).toByteArray();
}
} // namespace

QByteArrayView CodificacionXml::convertir(QByteArrayView datos)
{
    switch (m_estado) {
    case Estado::Utf8: return datos;
    case Estado::Otra: return transcodificar(datos);
    case Estado::Indeciso: break;
    }
    m_cabecera += datos;
    return decidir(false);
}

QByteArrayView CodificacionXml::terminar()
{
    if (m_estado != Estado::Indeciso)
        return m_decodificador ? transcodificar({}) : QByteArrayView();
    return decidir(true);
}

QByteArrayView CodificacionXml::decidir(bool final)
{
    const QByteArrayView c = m_cabecera;
    const auto empieza = [&](QByteArrayView prefijo) { return c.startsWith(prefijo); };
    const auto podriaSer = [&](QByteArrayView prefijo) { return !final && c.size() < prefijo.size() && prefijo.startsWith(c); };
    std::optional<QStringConverter::Encoding> utf16;
    if (podriaSer("\xEF\xBB\xBF") || podriaSer(QByteArrayView("\xFE\xFF", 2)) || podriaSer(QByteArrayView("\xFF\xFE", 2))
        || podriaSer(QByteArrayView("\0<\0?", 4)) || podriaSer(QByteArrayView("<\0?\0", 4)) || podriaSer("<?xml"))
        return {};
    if (empieza("\xEF\xBB\xBF")) {
        m_cabecera.remove(0, 3);
    } else if (empieza(QByteArrayView("\xFE\xFF", 2)) || empieza(QByteArrayView("\0<\0?", 4))) {
        utf16 = QStringConverter::Utf16BE;
    } else if (empieza(QByteArrayView("\xFF\xFE", 2)) || empieza(QByteArrayView("<\0?\0", 4))) {
        utf16 = QStringConverter::Utf16LE;
    } else if (empieza("<?xml")) {
        const qsizetype fin = c.indexOf("?>");
        if (fin < 0 && !final && c.size() < LargoDeclaracion)
            return {};
        const QByteArray nombre = EncodingDeclarado(fin < 0 ? c.first(std::min(c.size(), LargoDeclaracion)) : c.first(fin));
        const QByteArray n = nombre.toLower();
        if (!nombre.isEmpty() && n != "utf-8" && n != "utf8" && n != "us-ascii" && n != "ascii") {
            m_decodificador.emplace(nombre.constData());
            if (!m_decodificador->isValid())
                throw ErrorServicio(QStringLiteral("%1 usa la codificación %2, que no se admite")
                                        .arg(m_que, QString::fromLatin1(nombre)));
        }
    }
    if (utf16)
        m_decodificador.emplace(*utf16);
    m_estado = m_decodificador ? Estado::Otra : Estado::Utf8;
    if (m_estado == Estado::Otra)
        return transcodificar(std::exchange(m_cabecera, {}));
    m_salida = std::exchange(m_cabecera, {});
    return m_salida;
}

QByteArrayView CodificacionXml::transcodificar(QByteArrayView datos)
{
    const QString texto = (*m_decodificador)(datos);
    if (m_decodificador->hasError())
        throw ErrorServicio(QStringLiteral("%1 no es un XML válido: bytes que no son de su codificación").arg(m_que));
    m_salida = texto.toUtf8();
    return m_salida;
}
