#include "service/EscritorJson.h"
#include "service/FormatoSoap.h"
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {
constexpr qsizetype Bloque = 64 * 1024;

/// Appends the Base64 text of `bytes` straight into `out`: a list's pictures are most
/// of its JSON, and this way they are written once, two characters per table look-up.
void AnexarBase64(QByteArray &out, const QByteArray &bytes)
{
    static constexpr char Alfabeto[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    static const auto Pares = [] {
        std::array<std::array<char, 2>, 4096> t{};
        for (int i = 0; i < 4096; ++i)
            t[i] = {Alfabeto[i >> 6], Alfabeto[i & 63]};
        return t;
    }();
    const qsizetype n = bytes.size();
    const qsizetype inicio = out.size();
    out.resize(inicio + (n + 2) / 3 * 4);
    char *o = out.data() + inicio;
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    qsizetype i = 0;
    for (; i + 3 <= n; i += 3, o += 4) {
        const quint32 x = quint32(p[i]) << 16 | quint32(p[i + 1]) << 8 | p[i + 2];
        std::memcpy(o, Pares[x >> 12].data(), 2);
        std::memcpy(o + 2, Pares[x & 0xFFF].data(), 2);
    }
    if (const qsizetype resto = n - i) {
        const quint32 x = quint32(p[i]) << 16 | (resto == 2 ? quint32(p[i + 1]) << 8 : 0);
        o[0] = Alfabeto[x >> 18];
        o[1] = Alfabeto[(x >> 12) & 63];
        o[2] = resto == 2 ? Alfabeto[(x >> 6) & 63] : '=';
        o[3] = '=';
    }
}

void Escapar(QByteArray &out, const QString &s)
{
    const QByteArray u = s.toUtf8();
    out += '"';
    qsizetype desde = 0;
    for (qsizetype i = 0; i < u.size(); ++i) {
        const unsigned char c = u[i];
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(u.constData() + desde, i - desde);
        desde = i + 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default: {
            static const char hex[] = "0123456789abcdef";
            const char e[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 15]};
            out.append(e, 6);
        }
        }
    }
    out.append(u.constData() + desde, u.size() - desde);
    out += '"';
}
} // namespace

void EscritorJson::cerrarValor()
{
    if (m_tieneClave) {
        m_tieneClave = false;
        return;
    }
    if (!m_primero)
        m_texto += ',';
    m_primero = false;
}

void EscritorJson::vaciarSiLleno()
{
    if (m_sumidero && m_texto.size() >= Bloque)
        vaciar();
}

void EscritorJson::vaciar()
{
    if (m_sumidero && !m_texto.isEmpty()) {
        m_sumidero(m_texto);
        m_texto.clear();
    }
}

void EscritorJson::clave(QLatin1StringView nombre)
{
    if (!m_primero)
        m_texto += ',';
    m_primero = false;
    m_texto += '"';
    m_texto += QByteArrayView(nombre.data(), nombre.size());
    m_texto += "\":";
    m_tieneClave = true;
}

void EscritorJson::texto(const QString &s)
{
    cerrarValor();
    Escapar(m_texto, s);
    vaciarSiLleno();
}

void EscritorJson::entero(qint64 n)
{
    cerrarValor();
    char b[24];
    const auto r = std::to_chars(b, b + sizeof b, n);
    m_texto.append(b, r.ptr - b);
}

void EscritorJson::numero(double d)
{
    if (!std::isfinite(d))
        return texto(TextoDouble(d)); // "NaN", "INF", "-INF"
    cerrarValor();
    // The shortest text that reads back as the same double, as Qt writes it, at a third
    // of the cost; from 1e17 on Qt pads the digits with zeros where this writes them all.
    if (std::abs(d) >= 1e17) {
        m_texto += QByteArray::number(d, 'g', QLocale::FloatingPointShortest);
        return;
    }
    char b[32];
    const auto r = std::to_chars(b, b + sizeof b, d);
    m_texto.append(b, r.ptr - b);
}

void EscritorJson::booleano(bool b)
{
    cerrarValor();
    m_texto += b ? "true" : "false";
}

void EscritorJson::nulo()
{
    cerrarValor();
    m_texto += "null";
}

void EscritorJson::valor(const Valor &v) { escribir(v.tipo, v.dato, v.registro, v.opcional, nullptr); }

void EscritorJson::registro(const void *registro, const TypeInfo &tipo)
{
    abrirObjeto();
    for (const FieldInfo &f : tipo.campos) {
        clave(QLatin1StringView(f.nombre));
        escribir(f.tipo, f.dir(const_cast<void *>(registro)), f.anidado ? f.anidado() : nullptr, f.opcional,
                 f.arreglo);
    }
    cerrarObjeto();
}

void EscritorJson::escribir(Tipo tipo, const void *dato, const TypeInfo *reg, const OpcionalOps *opcional,
                            const ArregloOps *arreglo)
{
    switch (tipo) {
    case Tipo::Integer: return entero(*static_cast<const int *>(dato));
    case Tipo::Boolean: return booleano(*static_cast<const bool *>(dato));
    case Tipo::String: return texto(*static_cast<const QString *>(dato));
    case Tipo::Double:
    case Tipo::Date:
    case Tipo::Time: return numero(*static_cast<const double *>(dato));
    case Tipo::DateTime:
        if (m_fechasComoDias)
            return numero(*static_cast<const double *>(dato));
        return texto(TextoFechaHora(*static_cast<const double *>(dato)));
    case Tipo::Bytes: {
        cerrarValor();
        m_texto += '"';
        AnexarBase64(m_texto, *static_cast<const QByteArray *>(dato));
        m_texto += '"';
        return vaciarSiLleno();
    }
    case Tipo::XSDateTime: {
        const auto &f = *static_cast<const std::optional<QDateTime> *>(dato);
        return f ? texto(TextoFechaHora(*f)) : nulo();
    }
    case Tipo::Record: {
        const void *r = opcional->valor(dato);
        return r ? registro(r, *reg) : nulo();
    }
    case Tipo::Array: {
        abrirArreglo();
        for (qsizetype i = 0; i < arreglo->largo(dato); ++i) {
            const void *r = opcional->valor(arreglo->elementoC(dato, i));
            if (r)
                registro(r, *reg);
            else
                nulo();
        }
        return cerrarArreglo();
    }
    }
}
