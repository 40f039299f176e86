#include "service/Base64Exacto.h"
#include <array>
#include <limits>

namespace {
constexpr auto Valores = [] {
    std::array<qint8, 128> v{};
    v.fill(-1);
    for (int i = 0; i < 64; ++i)
        v["ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"[i]] = qint8(i);
    return v;
}();

int Valor(char16_t c) { return c < 128 ? int(Valores[c]) : -1; }

/// Decodes whole groups of four characters to `o`; `relleno` ("=" signs) is only for
/// the last line. False when a character or the padding is not exact.
bool DecodificarLinea(QStringView linea, int relleno, char *&o)
{
    const char16_t *p = linea.utf16();
    const qsizetype n = linea.size();
    const qsizetype completos = relleno ? n - 4 : n;
    for (qsizetype i = 0; i < completos; i += 4) {
        const int a = Valor(p[i]), b = Valor(p[i + 1]), c = Valor(p[i + 2]), d = Valor(p[i + 3]);
        if ((a | b | c | d) < 0)
            return false;
        const quint32 x = quint32(a) << 18 | quint32(b) << 12 | quint32(c) << 6 | quint32(d);
        *o++ = char(x >> 16), *o++ = char(x >> 8), *o++ = char(x);
    }
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
} // namespace

std::optional<QByteArray> LeerBase64Exacto(QStringView texto, FormaBase64 &forma)
{
    forma = {};
    if (texto.isEmpty())
        return QByteArray();
    if (texto.endsWith(u'\n')) {
        forma.saltoFinal = true;
        texto.chop(1);
    }
    // Every line but the last is as long as the first, a whole number of groups of
    // four; the last one is no longer.
    const qsizetype primerSalto = texto.indexOf(u'\n');
    const qsizetype largo = primerSalto >= 0 ? primerSalto : texto.size();
    if (largo == 0 || largo % 4 != 0 || largo > std::numeric_limits<int>::max())
        return std::nullopt;
    if (primerSalto >= 0 || forma.saltoFinal)
        forma.largoLinea = int(largo);
    const qsizetype lineas = (texto.size() + 1 + largo) / (largo + 1);
    const qsizetype caracteres = texto.size() - (lineas - 1);
    if (caracteres % 4 != 0)
        return std::nullopt;
    const int relleno = texto.endsWith(u"==") ? 2 : texto.endsWith(u'=') ? 1 : 0;
    QByteArray bytes(caracteres / 4 * 3 - relleno, Qt::Uninitialized);
    char *o = bytes.data();
    for (qsizetype l = 0; l < lineas; ++l) {
        const qsizetype inicio = l * (largo + 1);
        const bool ultima = l == lineas - 1;
        if (!ultima && texto[inicio + largo] != u'\n')
            return std::nullopt;
        const QStringView linea = ultima ? texto.sliced(inicio) : texto.sliced(inicio, largo);
        if (linea.isEmpty() || linea.contains(u'\n') || !DecodificarLinea(linea, ultima ? relleno : 0, o))
            return std::nullopt;
    }
    return bytes;
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
