#include "service/Base64Exacto.h"
#include "service/ReservaBytes.h"
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <type_traits>
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TZ_BASE64_AVX2 1
#endif

namespace {
constexpr char Alfabeto[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr auto Valores = [] {
    std::array<qint8, 256> v{};
    v.fill(-1);
    for (int i = 0; i < 64; ++i)
        v[static_cast<unsigned char>(Alfabeto[i])] = qint8(i);
    return v;
}();

/// The value of a character already in place for its position in a group of four;
/// bit 24 marks a character outside the alphabet, so that one test checks a group.
template <int Desplazamiento> constexpr auto Tabla = [] {
    std::array<quint32, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = Valores[c] < 0 ? 0x1000000u : quint32(Valores[c]) << Desplazamiento;
    return t;
}();

int Valor(char16_t c) { return c < 128 ? int(Valores[c]) : -1; }
int Valor(char c) { return int(Valores[static_cast<unsigned char>(c)]); }

bool DecodificarGrupos(const char16_t *p, qsizetype n, char *&o)
{
    for (qsizetype i = 0; i < n; i += 4) {
        const int a = Valor(p[i]), b = Valor(p[i + 1]), c = Valor(p[i + 2]), d = Valor(p[i + 3]);
        if ((a | b | c | d) < 0)
            return false;
        const quint32 x = quint32(a) << 18 | quint32(b) << 12 | quint32(c) << 6 | quint32(d);
        *o++ = char(x >> 16), *o++ = char(x >> 8), *o++ = char(x);
    }
    return true;
}

#ifdef TZ_BASE64_AVX2
/// 32 characters a step into 24 bytes, checked all at once: nibble look-ups classify
/// each character and give what turns it into its 6 bits ('/' being the one exception
/// of its nibbles). Stores 32 bytes a step, so it stops where fewer than 8 bytes of the
/// output would be left after one; returns the characters it decoded, -1 on a
/// character outside the alphabet.
__attribute__((target("avx2"))) qsizetype DecodificarAvx2(const unsigned char *p, qsizetype n, char *o)
{
    const __m256i bajos = _mm256_setr_epi8(0x15, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x13, 0x1A,
                                           0x1B, 0x1B, 0x1B, 0x1A, 0x15, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11,
                                           0x11, 0x11, 0x13, 0x1A, 0x1B, 0x1B, 0x1B, 0x1A);
    const __m256i altos = _mm256_setr_epi8(0x10, 0x10, 0x01, 0x02, 0x04, 0x08, 0x04, 0x08, 0x10, 0x10, 0x10, 0x10,
                                           0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x01, 0x02, 0x04, 0x08, 0x04, 0x08,
                                           0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10);
    const __m256i desplazar = _mm256_setr_epi8(0, 16, 19, 4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 19,
                                               4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0);
    const __m256i barra = _mm256_set1_epi8(0x2F);
    const __m256i orden = _mm256_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1, 2, 1, 0, 6, 5, 4,
                                           10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    const __m256i juntar = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, -1, -1);
    qsizetype i = 0;
    for (; n - i >= 44; i += 32, o += 24) {
        __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p + i));
        const __m256i nibAltos = _mm256_and_si256(_mm256_srli_epi32(x, 4), barra);
        const __m256i nibBajos = _mm256_and_si256(x, barra);
        const __m256i a = _mm256_shuffle_epi8(altos, nibAltos);
        const __m256i b = _mm256_shuffle_epi8(bajos, nibBajos);
        if (!_mm256_testz_si256(a, b))
            return -1;
        const __m256i esBarra = _mm256_cmpeq_epi8(x, barra);
        x = _mm256_add_epi8(x, _mm256_shuffle_epi8(desplazar, _mm256_add_epi8(esBarra, nibAltos)));
        // Four 6-bit values into three bytes, in each 32 bits; then the 24 bytes together.
        const __m256i pares = _mm256_maddubs_epi16(x, _mm256_set1_epi32(0x01400140));
        __m256i y = _mm256_madd_epi16(pares, _mm256_set1_epi32(0x00011000));
        y = _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(y, orden), juntar);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(o), y);
    }
    return i;
}

const bool ConAvx2 = __builtin_cpu_supports("avx2");
#endif

bool DecodificarGrupos(const char *p, qsizetype n, char *&o)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
#ifdef TZ_BASE64_AVX2
    if (ConAvx2 && n >= 44) {
        const qsizetype hechos = DecodificarAvx2(u, n, o);
        if (hechos < 0)
            return false;
        o += hechos / 4 * 3;
        u += hechos;
        n -= hechos;
    }
#endif
    quint32 malos = 0;
    char *s = o;
    for (qsizetype i = 0; i < n; i += 4) {
        const quint32 x = Tabla<18>[u[i]] | Tabla<12>[u[i + 1]] | Tabla<6>[u[i + 2]] | Tabla<0>[u[i + 3]];
        malos |= x;
        s[0] = char(x >> 16), s[1] = char(x >> 8), s[2] = char(x);
        s += 3;
    }
    o = s;
    return malos < 0x1000000u; // one test for the whole line: a bad picture is rare
}

/// Decodes whole groups of four characters to `o`; `relleno` ("=" signs) is only for
/// the last line. False when a character or the padding is not exact.
template <class C> bool DecodificarLinea(const C *p, qsizetype n, int relleno, char *&o)
{
    if (!DecodificarGrupos(p, relleno ? n - 4 : n, o))
        return false;
    if (relleno) {
        // The bits past the last byte must be zero, or another text reads the same.
        const int a = Valor(p[n - 4]), b = Valor(p[n - 3]), c = relleno == 1 ? Valor(p[n - 2]) : 0;
        if ((a | b | c) < 0 || (relleno == 2 ? b & 0xF : c & 0x3))
            return false;
        *o++ = char(a << 2 | b >> 4);
        if (relleno == 1)
            *o++ = char((b & 0xF) << 4 | c >> 2);
    }
    return true;
}

template <class C> std::optional<QByteArray> Leer(const C *texto, qsizetype n, FormaBase64 &forma, ReservaBytes *reserva)
{
    forma = {};
    if (n == 0)
        return QByteArray();
    if (texto[n - 1] == C('\n')) {
        forma.saltoFinal = true;
        --n;
    }
    // Every line but the last is as long as the first, a whole number of groups of
    // four; the last one is no longer.
    qsizetype primerSalto = -1;
    if constexpr (std::is_same_v<C, char>) {
        if (const void *salto = std::memchr(texto, '\n', size_t(n)))
            primerSalto = static_cast<const char *>(salto) - texto;
    } else if (const C *salto = std::find(texto, texto + n, C('\n')); salto != texto + n) {
        primerSalto = salto - texto;
    }
    const qsizetype largo = primerSalto >= 0 ? primerSalto : n;
    if (largo == 0 || largo % 4 != 0 || largo > std::numeric_limits<int>::max())
        return std::nullopt;
    if (primerSalto >= 0 || forma.saltoFinal)
        forma.largoLinea = int(largo);
    const qsizetype lineas = (n + 1 + largo) / (largo + 1);
    const qsizetype caracteres = n - (lineas - 1);
    if (caracteres % 4 != 0)
        return std::nullopt;
    const int relleno = n >= 2 && texto[n - 1] == C('=') ? (texto[n - 2] == C('=') ? 2 : 1) : 0;
    const qsizetype largoBytes = caracteres / 4 * 3 - relleno;
    QByteArray bytes = reserva ? reserva->tomar(largoBytes) : QByteArray(largoBytes, Qt::Uninitialized);
    char *o = const_cast<char *>(bytes.constData()); // not yet handed out: nobody shares it
    const auto fallo = [&] {
        if (reserva)
            reserva->devolver(std::move(bytes));
        return std::nullopt;
    };
    for (qsizetype l = 0; l < lineas; ++l) {
        const qsizetype inicio = l * (largo + 1);
        const bool ultima = l == lineas - 1;
        if (!ultima && texto[inicio + largo] != C('\n'))
            return fallo();
        const qsizetype tam = ultima ? n - inicio : largo;
        if (tam == 0 || tam % 4 != 0)
            return fallo(); // a "\n" inside the last line leaves it out of step
        if (!DecodificarLinea(texto + inicio, tam, ultima ? relleno : 0, o))
            return fallo();
    }
    return bytes;
}
} // namespace

std::optional<QByteArray> LeerBase64Exacto(QStringView texto, FormaBase64 &forma)
{
    return Leer(texto.utf16(), texto.size(), forma, nullptr);
}

std::optional<QByteArray> LeerBase64Exacto(QByteArrayView texto, FormaBase64 &forma, ReservaBytes *reserva)
{
    return Leer(texto.data(), texto.size(), forma, reserva);
}

QString EscribirBase64(const QByteArray &bytes, FormaBase64 forma)
{
    const QByteArray b = bytes.toBase64();
    if (forma.largoLinea <= 0)
        return QString::fromLatin1(b);
    QString t;
    t.reserve(b.size() + b.size() / forma.largoLinea + 1);
    for (qsizetype i = 0; i < b.size(); i += forma.largoLinea) {
        if (i > 0)
            t += u'\n';
        t += QLatin1StringView(b.mid(i, forma.largoLinea));
    }
    if (forma.saltoFinal)
        t += u'\n';
    return t;
}
