#include "util/Textos.h"
#include <algorithm>

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
