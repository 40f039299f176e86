#include "storage/ArchivoIni.h"
#include "util/Archivos.h"
#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {
QStringList leerLineas(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString texto = QString::fromUtf8(f.readAll());
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return texto.split(u'\n');
}

QString seccionDe(const QString &linea)
{
    const QString t = linea.trimmed();
    if (t.startsWith(u'[') && t.endsWith(u']'))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

bool esComentario(const QString &t) { return t.startsWith(u';') || t.startsWith(u'#'); }

/// Position of the key's line inside the section, or -1; fin receives the line after the section.
qsizetype buscar(const QStringList &lineas, const QString &seccion, const QString &clave, qsizetype &fin,
                 bool &haySeccion)
{
    haySeccion = false;
    fin = lineas.size();
    qsizetype encontrada = -1;
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        const QString sec = seccionDe(lineas[i]);
        if (!sec.isEmpty()) {
            if (haySeccion) {
                fin = i;
                return encontrada;
            }
            haySeccion = sec.compare(seccion, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!haySeccion || encontrada >= 0)
            continue;
        const QString t = lineas[i].trimmed();
        const qsizetype igual = t.indexOf(u'=');
        if (igual > 0 && !esComentario(t) && t.left(igual).trimmed().compare(clave, Qt::CaseInsensitive) == 0)
            encontrada = i;
    }
    return encontrada;
}
} // namespace

QString LeerConfig(const QString &ruta, const QString &seccion, const QString &clave, const QString &porDefecto)
{
    const QStringList lineas = leerLineas(ruta);
    qsizetype fin = 0;
    bool haySeccion = false;
    const qsizetype i = buscar(lineas, seccion, clave, fin, haySeccion);
    if (i < 0)
        return porDefecto;
    // A text is read back as stored: blanks belong to it (a password may have them).
    const QString &l = lineas[i];
    return l.mid(l.indexOf(u'=') + 1);
}

namespace {
/// Puts one key's line into the lines of the file.
void ponerClave(QStringList &lineas, const QString &seccion, const QString &clave, const QString &valor)
{
    qsizetype fin = 0;
    bool haySeccion = false;
    const qsizetype i = buscar(lineas, seccion, clave, fin, haySeccion);
    // A value is one line: line breaks inside it would forge other keys.
    QString limpio = valor;
    limpio.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString linea = clave + u'=' + limpio;
    if (i >= 0) {
        lineas[i] = linea;
    } else if (haySeccion) {
        qsizetype pos = fin;
        while (pos > 0 && lineas[pos - 1].trimmed().isEmpty())
            --pos;
        lineas.insert(pos, linea);
    } else {
        if (!lineas.isEmpty())
            lineas << QString();
        lineas << u'[' + seccion + u']' << linea;
    }
}
} // namespace

void EscribirConfig(const QString &ruta, const QString &seccion, const ValoresConfig &valores)
{
    QStringList lineas = leerLineas(ruta);
    while (!lineas.isEmpty() && lineas.last().trimmed().isEmpty())
        lineas.removeLast();
    for (const auto &[clave, valor] : valores)
        ponerClave(lineas, seccion, clave, valor);

    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        throw ErrorArchivo(("No se pudo escribir " + ruta + ": " + f.errorString()).toStdString());
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray datos = (lineas.join(u'\n') + u'\n').toUtf8();
    // A short write (a full disk) is not an error to the file itself: check it here, or the
    // cut-off file would replace the good one.
    if (f.write(datos) != datos.size()) {
        f.cancelWriting();
        throw ErrorArchivo(("No se pudo escribir " + ruta + ": " + f.errorString()).toStdString());
    }
    if (!f.commit())
        throw ErrorArchivo(("No se pudo escribir " + ruta + ": " + f.errorString()).toStdString());
}

void EscribirConfig(const QString &ruta, const QString &seccion, const QString &clave, const QString &valor)
{
    EscribirConfig(ruta, seccion, ValoresConfig{{clave, valor}});
}

bool LeerConfigBool(const QString &ruta, const QString &seccion, const QString &clave, bool porDefecto)
{
    const QString texto = LeerConfig(ruta, seccion, clave, porDefecto ? QStringLiteral("1") : QStringLiteral("0"));
    bool ok = false;
    const int v = texto.trimmed().toInt(&ok);
    if (!ok)
        return porDefecto;
    return v == 1;
}

void EscribirConfigBool(const QString &ruta, const QString &seccion, const QString &clave, bool valor)
{
    EscribirConfig(ruta, seccion, clave, valor ? QStringLiteral("1") : QStringLiteral("0"));
}
