#include "sim/Filtro.h"
#include <QRegularExpression>

Filtro Filtro::leer(const QString &where)
{
    Filtro f;
    if (where.startsWith(u'@')) {
        f.clase = Clase::Texto;
        f.texto = where.mid(1).trimmed();
        return f;
    }
    if (where.startsWith(u'#')) {
        f.clase = Clase::Codigo;
        f.texto = where.mid(1).trimmed();
        return f;
    }
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*\(\s*PRODUCTO\.NUCATEGORIA\s*=\s*(-?\d+)\s*\)\s*)"
                       R"((?:AND\s*\(\s*PRODUCTO\.NUSUBCATEGORIA\s*=\s*(-?\d+)\s*\)\s*)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(where);
    if (!m.hasMatch())
        return f;
    f.categoria = m.captured(1).toInt();
    if (m.hasCaptured(2)) {
        f.clase = Clase::Subcategoria;
        f.subcategoria = m.captured(2).toInt();
    } else {
        f.clase = Clase::Categoria;
    }
    return f;
}

bool Filtro::contieneTexto(const QString &descripcion) const
{
    return Plegar(descripcion).contains(Plegar(texto));
}

QString Plegar(const QString &s)
{
    const QString d = s.normalized(QString::NormalizationForm_D);
    QString r;
    r.reserve(d.size());
    for (const QChar c : d)
        if (c.category() != QChar::Mark_NonSpacing)
            r.append(c.toLower());
    return r;
}
