#include "util/Textos.h"
#include <algorithm>
#include <array>

QString QuitarSignos(const QString &s)
{
    QString r = s;
    for (const QChar c : {u' ', u'.', u',', u';', u':', u'-', u'_'})
        r.remove(c);
    return r;
}

QString MinusculasAscii(const QString &s)
{
    QString r = s;
    for (QChar &c : r)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    return r;
}

namespace {
/// The base letter, in lower case, of a character that is not ASCII; 0 for a mark to drop.
char16_t baseMinuscula(char16_t u)
{
    QChar c(u);
    if (c.category() == QChar::Mark_NonSpacing)
        return 0;
    while (c.decompositionTag() == QChar::Canonical) {
        const QString d = c.decomposition();
        if (d.isEmpty() || d[0].isSurrogate())
            break;
        c = d[0];
    }
    return c.toCaseFolded().unicode();
}

/// baseMinuscula worked out once for the Latin letters (up to U+024F), which are nearly
/// all a menu holds: the search normalises every product's text.
constexpr char16_t FinLatinas = 0x250;
const std::array<char16_t, FinLatinas> &tablaLatinas()
{
    static const std::array<char16_t, FinLatinas> t = [] {
        std::array<char16_t, FinLatinas> r{};
        for (char16_t u = 0; u < FinLatinas; ++u)
            r[u] = u < 0x80 ? (u >= 'A' && u <= 'Z' ? char16_t(u + ('a' - 'A')) : u) : baseMinuscula(u);
        return r;
    }();
    return t;
}
} // namespace

QString Normalizar(const QString &s)
{
    const auto &latinas = tablaLatinas();
    QString r(s.size(), Qt::Uninitialized);
    QChar *out = r.data();
    qsizetype n = 0;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        const char16_t b = u < FinLatinas ? latinas[u] : c.isSurrogate() ? u : baseMinuscula(u);
        if (b != 0 || u == 0)
            out[n++] = QChar(b);
    }
    r.truncate(n);
    return r;
}

QString Capitalizar(const QString &s)
{
    QString r = MinusculasAscii(s);
    if (!r.isEmpty() && r[0].unicode() >= 'a' && r[0].unicode() <= 'z')
        r[0] = QChar(r[0].unicode() - ('a' - 'A'));
    return r;
}

QString Recortar(const QString &s)
{
    qsizetype ini = 0, fin = s.size();
    while (ini < fin && s[ini].unicode() <= ' ')
        ++ini;
    while (fin > ini && s[fin - 1].unicode() <= ' ')
        --fin;
    return s.mid(ini, fin - ini);
}

bool TieneTexto(const QString &s) { return !Recortar(s).isEmpty(); }

void CopiarCampo(const QString &s, CampoFijo &campo)
{
    qsizetype n = std::min<qsizetype>(s.size(), 255);
    if (n == 255 && n < s.size() && s[n - 1].isHighSurrogate())
        --n; // never leave half a character behind
    std::fill(std::begin(campo), std::end(campo), u'\0');
    std::copy_n(reinterpret_cast<const char16_t *>(s.utf16()), n, campo);
}

QString LeerCampo(const CampoFijo &campo)
{
    const auto fin = std::find(std::begin(campo), std::end(campo), u'\0');
    return QString::fromUtf16(campo, fin - std::begin(campo));
}
