#include "service/LectorXml.h"
#include "service/ErrorServicio.h"
#include <algorithm>
#include <array>
#include <cstring>

namespace {
const QByteArray EspacioXml = QByteArrayLiteral("http://www.w3.org/XML/1998/namespace");

bool EsBlanco(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }

enum : quint8 { Inicial = 1, DeNombre = 2 };
constexpr auto ClaseNombre = [] {
    std::array<quint8, 256> t{};
    for (int c = 0; c < 256; ++c) {
        const bool letra = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
        const bool otro = (c >= '0' && c <= '9') || c == '-' || c == '.';
        t[c] = quint8((letra ? Inicial | DeNombre : 0) | (otro ? DeNombre : 0));
    }
    return t;
}();

constexpr quint64 Unos = 0x0101010101010101ull;
constexpr quint64 Altos = 0x8080808080808080ull;

/// The first byte in [p, fin) that a plain ASCII text cannot hold as it is: '&', a
/// control character (line ends and tabs too) or the start of a UTF-8 sequence.
/// Eight bytes a step: a picture is long and has none.
const char *PrimerNoLlano(const char *p, const char *fin)
{
    while (fin - p >= 8) {
        quint64 x;
        std::memcpy(&x, p, 8);
        const quint64 menores = (x - 0x20 * Unos) & ~x;
        const quint64 y = x ^ ('&' * Unos);
        const quint64 ampersand = (y - Unos) & ~y;
        if (((menores | ampersand) & Altos) | (x & Altos))
            break;
        p += 8;
    }
    for (; p < fin; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c < 0x20 || c >= 0x80 || c == '&')
            return p;
    }
    return fin;
}

/// The same, letting through the tabs and line feeds a text keeps as they are.
const char *PrimerNoLlanoDeTexto(const char *p, const char *fin)
{
    for (;;) {
        p = PrimerNoLlano(p, fin);
        if (p == fin || (*p != '\n' && *p != '\t'))
            return p;
        ++p;
    }
}

/// Bytes of the valid UTF-8 sequence of an XML character at p; 0 when there is none
/// (bad or overlong form, surrogate, U+FFFE or U+FFFF, beyond U+10FFFF).
int LargoUtf8(const char *p, const char *fin)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    const qsizetype resta = fin - p;
    const auto cont = [&](int i) { return i < resta && (u[i] & 0xC0) == 0x80; };
    const unsigned c = u[0];
    if (c < 0xC2)
        return 0;
    if (c < 0xE0)
        return cont(1) ? 2 : 0;
    if (c < 0xF0) {
        if (!cont(1) || !cont(2))
            return 0;
        const unsigned x = (c & 0xF) << 12 | (u[1] & 0x3F) << 6 | (u[2] & 0x3F);
        return x < 0x800 || (x >= 0xD800 && x <= 0xDFFF) || x >= 0xFFFE ? 0 : 3;
    }
    if (c < 0xF5) {
        if (!cont(1) || !cont(2) || !cont(3))
            return 0;
        const unsigned x = (c & 0x7) << 18 | (u[1] & 0x3F) << 12 | (u[2] & 0x3F) << 6 | (u[3] & 0x3F);
        return x < 0x10000 || x > 0x10FFFF ? 0 : 4;
    }
    return 0;
}

bool EsCaracterXml(quint32 c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

void AnexarUtf8(QByteArray &s, quint32 c)
{
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | c >> 6);
        s += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += char(0xE0 | c >> 12);
        s += char(0x80 | (c >> 6 & 0x3F));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xF0 | c >> 18);
        s += char(0x80 | (c >> 12 & 0x3F));
        s += char(0x80 | (c >> 6 & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}

QString Mostrar(QByteArrayView b) { return QString::fromUtf8(b.first(std::min<qsizetype>(b.size(), 40))); }
} // namespace

LectorXml::LectorXml(QString que, OyenteXml &oyente, qint64 bytesPorToken)
    : m_que(std::move(que)), m_oyente(oyente), m_bytesPorToken(bytesPorToken), m_codificacion(m_que)
{
    m_espacios = {QByteArray(), EspacioXml};
    m_indiceEspacios.insert(QByteArray(), 0);
    m_indiceEspacios.insert(EspacioXml, 1);
}

void LectorXml::alimentar(QByteArrayView datos)
{
    if (!m_completo && !datos.isEmpty())
        procesar(m_codificacion.convertir(datos));
}

void LectorXml::terminar()
{
    if (!m_completo)
        procesar(m_codificacion.terminar());
}

void LectorXml::procesar(QByteArrayView datos)
{
    if (datos.isEmpty())
        return;
    // What was read goes; the token being read moves to the front.
    if (m_pos > 0) {
        m_descartados += m_pos;
        m_buf.remove(0, m_pos);
        m_explorado -= m_pos;
        m_pos = 0;
    }
    m_buf.append(datos.data(), datos.size());
    tokens();
    if (!m_completo && m_buf.size() - m_pos > m_bytesPorToken)
        throw ErrorServicio(QStringLiteral("%1 tiene un valor o una etiqueta de más de %2 bytes").arg(m_que).arg(m_bytesPorToken));
}

void LectorXml::tokens()
{
    const char *b = m_buf.constData();
    const qsizetype n = m_buf.size();
    while (m_pos < n && !m_completo) {
        if (b[m_pos] != '<') {
            if (m_abiertos.isEmpty()) { // before the root: blanks only
                while (m_pos < n && EsBlanco(b[m_pos]))
                    ++m_pos;
                if (m_pos < n && b[m_pos] != '<')
                    fallar(QStringLiteral("hay texto fuera del elemento raíz"), m_pos);
                m_explorado = m_pos;
                continue;
            }
            const qsizetype desde = std::max(m_pos, m_explorado);
            const void *lt = std::memchr(b + desde, '<', size_t(n - desde));
            if (!lt) {
                m_explorado = n;
                return;
            }
            const char *fin = static_cast<const char *>(lt);
            texto(b + m_pos, fin, false);
            m_pos = m_explorado = fin - b;
            continue;
        }
        const qsizetype fin = finDeMarca(m_pos);
        if (fin < 0)
            return;
        marca(m_pos, fin);
        m_pos = m_explorado = fin;
        m_comilla = 0;
    }
}

qsizetype LectorXml::buscar(QByteArrayView patron, qsizetype minimo)
{
    const qsizetype n = m_buf.size();
    const qsizetype i = std::max(minimo, m_explorado - (patron.size() - 1));
    const qsizetype k = i >= n ? -1 : QByteArrayView(m_buf).sliced(i).indexOf(patron);
    if (k < 0) {
        m_explorado = n;
        return -1;
    }
    return i + k + patron.size();
}

qsizetype LectorXml::finDeMarca(qsizetype p)
{
    const char *b = m_buf.constData();
    const qsizetype n = m_buf.size();
    if (n - p < 2)
        return -1;
    switch (b[p + 1]) {
    case '?':
        return buscar("?>", p + 2);
    case '/': {
        const qsizetype desde = std::max(p + 2, m_explorado);
        const void *gt = std::memchr(b + desde, '>', size_t(n - desde));
        if (!gt) {
            m_explorado = n;
            return -1;
        }
        return static_cast<const char *>(gt) - b + 1;
    }
    case '!': {
        const QByteArrayView hay(b + p, std::min<qsizetype>(n - p, 9));
        if (hay.startsWith("<!--"))
            return buscar("-->", p + 4);
        if (hay.startsWith("<![CDATA["))
            return buscar("]]>", p + 9);
        if (hay.startsWith("<!DOCTYPE"))
            throw ErrorServicio(m_que + QStringLiteral(" declara un tipo de documento (DTD), que no se admite"));
        for (const QByteArrayView inicio : {QByteArrayView("<!--"), QByteArrayView("<![CDATA["), QByteArrayView("<!DOCTYPE")})
            if (hay.size() < inicio.size() && inicio.startsWith(hay))
                return -1; // not enough bytes yet to tell
        fallar(QStringLiteral("marca desconocida %1").arg(Mostrar(hay.first(3))), p);
    }
    default: {
        // A tag ends at the first '>' outside a quoted value.
        char comilla = m_comilla;
        for (qsizetype i = std::max(p + 1, m_explorado); i < n; ++i) {
            const char c = b[i];
            if (comilla) {
                if (c == comilla)
                    comilla = 0;
            } else if (c == '>') {
                return i + 1;
            } else if (c == '"' || c == '\'') {
                comilla = c;
            }
        }
        m_comilla = comilla;
        m_explorado = n;
        return -1;
    }
    }
}

void LectorXml::marca(qsizetype p, qsizetype fin)
{
    const char *b = m_buf.constData();
    switch (b[p + 1]) {
    case '?':
        return instruccion(p, fin);
    case '/':
        return etiquetaDeFin(p, fin);
    case '!':
        if (b[p + 2] == '-')
            return; // a comment
        if (m_abiertos.isEmpty())
            fallar(QStringLiteral("hay una sección CDATA fuera del elemento raíz"), p);
        texto(b + p + 9, b + fin - 3, true);
        return;
    default:
        return etiquetaDeInicio(p, fin);
    }
}

qsizetype LectorXml::nombre(qsizetype i, qsizetype fin)
{
    const char *b = m_buf.constData();
    if (i >= fin || !(ClaseNombre[static_cast<unsigned char>(b[i])] & Inicial))
        return i;
    bool ascii = true;
    qsizetype j = i;
    while (j < fin && (ClaseNombre[static_cast<unsigned char>(b[j])] & DeNombre)) {
        ascii &= static_cast<unsigned char>(b[j]) < 0x80;
        ++j;
    }
    if (!ascii)
        for (qsizetype k = i; k < j;) {
            if (static_cast<unsigned char>(b[k]) < 0x80) {
                ++k;
                continue;
            }
            const int l = LargoUtf8(b + k, b + j);
            if (l == 0)
                fallar(QStringLiteral("un nombre no está en UTF-8"), k);
            k += l;
        }
    return j;
}

int LectorXml::internarEspacio(QByteArrayView uri)
{
    const QByteArray clave = uri.toByteArray();
    if (const auto it = m_indiceEspacios.constFind(clave); it != m_indiceEspacios.cend())
        return *it;
    const int i = int(m_espacios.size());
    m_espacios.append(clave);
    m_indiceEspacios.insert(clave, i);
    return i;
}

void LectorXml::enlazar(QByteArray prefijo, int espacio)
{
    // The hash holds 1 + the index of the binding in force: a new entry, 0, is none.
    int &vigente = m_ultimoEnlace[prefijo];
    m_enlaces.append({std::move(prefijo), espacio, vigente - 1});
    vigente = int(m_enlaces.size());
}

void LectorXml::desenlazar(int hasta)
{
    while (m_enlaces.size() > hasta) {
        const Enlace &e = m_enlaces.constLast();
        if (e.anterior < 0)
            m_ultimoEnlace.remove(e.prefijo);
        else
            m_ultimoEnlace[e.prefijo] = e.anterior + 1;
        m_enlaces.removeLast();
    }
}

int LectorXml::resolver(QByteArrayView prefijo, bool elemento, QByteArrayView qnombre)
{
    if (prefijo.isEmpty() && !elemento)
        return 0; // an attribute without a prefix is in no namespace
    if (prefijo == "xml")
        return 1;
    if (m_enlaces.size() <= 16) { // a few, as in any real document: looked through
        for (qsizetype i = m_enlaces.size() - 1; i >= 0; --i)
            if (m_enlaces[i].prefijo == prefijo)
                return m_enlaces[i].espacio;
    } else if (const auto it = m_ultimoEnlace.constFind(prefijo.toByteArray()); it != m_ultimoEnlace.cend()) {
        return m_enlaces[*it - 1].espacio;
    }
    if (prefijo.isEmpty())
        return 0;
    fallar(QStringLiteral("el prefijo de %1 no está declarado").arg(Mostrar(qnombre)), m_pos);
}

void LectorXml::etiquetaDeInicio(qsizetype p, qsizetype fin)
{
    const char *b = m_buf.constData();
    qsizetype i = nombre(p + 1, fin);
    if (i == p + 1)
        fallar(QStringLiteral("una etiqueta no empieza con un nombre"), p);
    const QByteArrayView qn(b + p + 1, i - p - 1);
    m_crudos.clear();
    bool vacio = false;
    for (;;) {
        qsizetype j = i;
        while (EsBlanco(b[j])) // the last byte is '>': never runs past the tag
            ++j;
        if (b[j] == '>')
            break;
        if (b[j] == '/') {
            if (j + 2 != fin)
                fallar(QStringLiteral("'/' fuera de lugar en una etiqueta"), j);
            vacio = true;
            break;
        }
        if (j == i)
            fallar(QStringLiteral("falta un espacio antes de un atributo"), j);
        const qsizetype finNombre = nombre(j, fin);
        if (finNombre == j)
            fallar(QStringLiteral("un atributo no empieza con un nombre"), j);
        AtributoCrudo a{j, 0, int(finNombre - j), 0};
        i = finNombre;
        while (EsBlanco(b[i]))
            ++i;
        if (b[i] != '=')
            fallar(QStringLiteral("falta '=' tras un atributo"), i);
        ++i;
        while (EsBlanco(b[i]))
            ++i;
        const char comilla = b[i];
        if (comilla != '"' && comilla != '\'')
            fallar(QStringLiteral("un valor de atributo va sin comillas"), i);
        const auto *cierre = static_cast<const char *>(std::memchr(b + i + 1, comilla, size_t(fin - i - 1)));
        if (!cierre)
            fallar(QStringLiteral("un valor de atributo no termina"), i);
        a.valor = i + 1;
        a.largoValor = int(cierre - (b + i + 1));
        if (std::memchr(b + a.valor, '<', size_t(a.largoValor)))
            fallar(QStringLiteral("'<' en el valor de un atributo"), a.valor);
        m_crudos.append(a);
        i = cierre - b + 1;
    }

    // Values, normalized where they need it; then namespace declarations.
    m_valores.clear();
    m_normalizados.resize(0);
    for (const AtributoCrudo &a : std::as_const(m_crudos)) {
        const char *v = b + a.valor, *finV = v + a.largoValor;
        if (PrimerNoLlano(v, finV) == finV) {
            m_valores.append({-1, 0});
            continue;
        }
        const qsizetype desde = m_normalizados.size();
        normalizar(v, finV, Atributo, m_normalizados);
        m_valores.append({desde, m_normalizados.size() - desde});
    }
    const auto valor = [&](qsizetype k) {
        const auto [desde, largo] = m_valores[k];
        return desde < 0 ? QByteArrayView(b + m_crudos[k].valor, m_crudos[k].largoValor)
                         : QByteArrayView(m_normalizados.constData() + desde, largo);
    };
    const int enlacesAntes = int(m_enlaces.size());
    for (qsizetype k = 0; k < m_crudos.size(); ++k) {
        const QByteArrayView an(b + m_crudos[k].nombre, m_crudos[k].largoNombre);
        if (an != "xmlns" && !an.startsWith("xmlns:"))
            continue;
        const QByteArrayView prefijo = an.size() == 5 ? QByteArrayView() : an.sliced(6);
        if (an.size() > 5 && (prefijo.isEmpty() || prefijo.contains(':') || prefijo == "xmlns"))
            fallar(QStringLiteral("declaración de espacio de nombres no válida: %1").arg(Mostrar(an)), m_crudos[k].nombre);
        enlazar(prefijo.toByteArray(), internarEspacio(valor(k)));
        m_crudos[k].largoNombre = -1; // not an attribute
    }

    const auto partir = [&](QByteArrayView q, qsizetype donde, QByteArrayView &prefijo) {
        const qsizetype dp = q.indexOf(':');
        if (dp < 0) {
            prefijo = {};
            return q;
        }
        const QByteArrayView local = q.sliced(dp + 1);
        if (dp == 0 || local.isEmpty() || local.contains(':'))
            fallar(QStringLiteral("nombre calificado no válido: %1").arg(Mostrar(q)), donde);
        prefijo = q.first(dp);
        return local;
    };
    QByteArrayView prefijo;
    const QByteArrayView local = partir(qn, p + 1, prefijo);
    const int espacio = resolver(prefijo, true, qn);

    m_atributos.clear();
    for (qsizetype k = 0; k < m_crudos.size(); ++k) {
        if (m_crudos[k].largoNombre < 0)
            continue;
        const QByteArrayView an(b + m_crudos[k].nombre, m_crudos[k].largoNombre);
        QByteArrayView pa;
        const QByteArrayView la = partir(an, m_crudos[k].nombre, pa);
        m_atributos.append({resolver(pa, false, an), la, valor(k)});
    }
    // The same attribute twice: sorted when there are many, so that a tag of a million
    // attributes costs no more than its bytes.
    const auto igual = [](const AtributoXml &x, const AtributoXml &y) { return x.espacio == y.espacio && x.nombre == y.nombre; };
    bool repetido = false;
    if (m_atributos.size() <= 16) {
        for (qsizetype x = 0; x < m_atributos.size() && !repetido; ++x)
            for (qsizetype y = x + 1; y < m_atributos.size() && !repetido; ++y)
                repetido = igual(m_atributos[x], m_atributos[y]);
    } else {
        QList<AtributoXml> orden = m_atributos;
        std::sort(orden.begin(), orden.end(), [](const AtributoXml &x, const AtributoXml &y) {
            return x.espacio != y.espacio ? x.espacio < y.espacio : x.nombre.compare(y.nombre) < 0;
        });
        repetido = std::adjacent_find(orden.cbegin(), orden.cend(), igual) != orden.cend();
    }
    if (repetido)
        fallar(QStringLiteral("un atributo se repite en %1").arg(Mostrar(qn)), p);

    m_abiertos.append({m_nombresAbiertos.size(), int(qn.size()), enlacesAntes});
    m_nombresAbiertos.append(qn.data(), qn.size());
    m_oyente.abrir(espacio, local, m_atributos);
    if (vacio)
        cerrarElemento();
}

void LectorXml::cerrarElemento()
{
    const Abierto a = m_abiertos.takeLast();
    m_nombresAbiertos.truncate(a.nombre);
    desenlazar(a.enlaces);
    m_oyente.cerrar();
    m_completo = m_abiertos.isEmpty();
}

void LectorXml::etiquetaDeFin(qsizetype p, qsizetype fin)
{
    const char *b = m_buf.constData();
    const qsizetype finNombre = nombre(p + 2, fin);
    qsizetype j = finNombre;
    while (EsBlanco(b[j]))
        ++j;
    if (finNombre == p + 2 || j != fin - 1)
        fallar(QStringLiteral("etiqueta de cierre mal formada"), p);
    const QByteArrayView qn(b + p + 2, finNombre - p - 2);
    if (m_abiertos.isEmpty())
        fallar(QStringLiteral("cierre de %1 sin abrir").arg(Mostrar(qn)), p);
    const Abierto a = m_abiertos.constLast();
    const QByteArrayView abierto(m_nombresAbiertos.constData() + a.nombre, a.largo);
    if (qn != abierto)
        fallar(QStringLiteral("se esperaba el cierre de %1 y llegó el de %2").arg(Mostrar(abierto), Mostrar(qn)), p);
    cerrarElemento();
}

void LectorXml::instruccion(qsizetype p, qsizetype fin)
{
    const char *b = m_buf.constData();
    const qsizetype finNombre = nombre(p + 2, fin);
    if (finNombre == p + 2 || (finNombre < fin - 2 && !EsBlanco(b[finNombre])))
        fallar(QStringLiteral("instrucción de proceso mal formada"), p);
    const QByteArrayView destino(b + p + 2, finNombre - p - 2);
    if (destino.compare("xml", Qt::CaseInsensitive) != 0)
        return; // a processing instruction: nothing for us
    if (destino != "xml" || m_descartados + p != 0)
        fallar(QStringLiteral("la declaración XML no está al principio"), p);
    if (!QByteArrayView(b + finNombre, fin - finNombre).contains("version"))
        fallar(QStringLiteral("la declaración XML no da la versión"), p);
}

void LectorXml::texto(const char *p, const char *fin, bool cdata)
{
    const char *noLlano = PrimerNoLlanoDeTexto(p, fin);
    if (noLlano == fin) {
        m_oyente.texto(QByteArrayView(p, fin - p));
        return;
    }
    m_textoNormalizado.resize(0);
    m_textoNormalizado.append(p, noLlano - p);
    normalizar(noLlano, fin, cdata ? Cdata : Texto, m_textoNormalizado);
    m_oyente.texto(m_textoNormalizado);
}

void LectorXml::normalizar(const char *p, const char *fin, Modo modo, QByteArray &salida)
{
    const bool atributo = modo == Atributo;
    while (p < fin) {
        const char *q = PrimerNoLlano(p, fin);
        salida.append(p, q - p);
        p = q;
        if (p == fin)
            break;
        const auto c = static_cast<unsigned char>(*p);
        if (c == '&' && modo == Cdata) {
            salida += '&'; // no references in a CDATA section
            ++p;
        } else if (c == '&') {
            p = referencia(p, fin, salida);
        } else if (c == '\r') {
            salida += atributo ? ' ' : '\n';
            ++p;
            if (p < fin && *p == '\n')
                ++p;
        } else if (c == '\n' || c == '\t') {
            salida += atributo ? ' ' : char(c);
            ++p;
        } else if (c < 0x80) {
            fallarEn(QStringLiteral("carácter de control %1 no admitido").arg(c), p);
        } else {
            const int l = LargoUtf8(p, fin);
            if (l == 0)
                fallarEn(QStringLiteral("texto que no está en UTF-8"), p);
            salida.append(p, l);
            p += l;
        }
    }
}

const char *LectorXml::referencia(const char *p, const char *fin, QByteArray &salida)
{
    const auto *pc = static_cast<const char *>(std::memchr(p, ';', size_t(std::min<qsizetype>(fin - p, 64))));
    if (!pc)
        fallarEn(QStringLiteral("'&' sin referencia"), p);
    const QByteArrayView r(p + 1, pc - p - 1);
    if (r == "lt")
        salida += '<';
    else if (r == "gt")
        salida += '>';
    else if (r == "amp")
        salida += '&';
    else if (r == "quot")
        salida += '"';
    else if (r == "apos")
        salida += '\'';
    else if (r.startsWith('#')) {
        const bool hex = r.size() > 1 && r[1] == 'x';
        const QByteArrayView cifras = r.sliced(hex ? 2 : 1);
        quint32 c = 0;
        bool bien = !cifras.isEmpty();
        for (const char d : cifras) {
            const int v = d >= '0' && d <= '9' ? d - '0'
                        : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                        : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10 : -1;
            if (v < 0 || c > 0x10FFFF) {
                bien = false;
                break;
            }
            c = c * (hex ? 16 : 10) + quint32(v);
        }
        if (!bien || !EsCaracterXml(c))
            fallarEn(QStringLiteral("referencia a un carácter no válido: &%1;").arg(Mostrar(r)), p);
        AnexarUtf8(salida, c);
    } else {
        fallarEn(QStringLiteral("entidad no declarada: &%1;").arg(Mostrar(r)), p);
    }
    return pc + 1;
}

void LectorXml::fallar(const QString &motivo, qsizetype posicion) const
{
    throw ErrorServicio(QStringLiteral("%1 no es un XML válido: %2 (byte %3)").arg(m_que, motivo).arg(m_descartados + posicion));
}

void LectorXml::fallarEn(const QString &motivo, const char *p) const
{
    const char *b = m_buf.constData();
    // Within the token being read, or within a value already copied out of it.
    fallar(motivo, p >= b && p <= b + m_buf.size() ? p - b : m_pos);
}
