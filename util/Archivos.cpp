#include "util/Archivos.h"
#include <QCryptographicHash>
#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
QString &carpetaFijada()
{
    static QString c;
    return c;
}
} // namespace

QString CarpetaDocumentos()
{
    QString c = carpetaFijada();
    if (c.isEmpty())
        c = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!c.isEmpty())
        QDir().mkpath(c);
    return c;
}

void setCarpetaDocumentos(const QString &carpeta) { carpetaFijada() = carpeta; }

QString RutaDocumento(const QString &nombre) { return CarpetaDocumentos() + u'/' + nombre; }

void GuardarBytes(const QByteArray &bytes, const QString &ruta)
{
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        throw ErrorArchivo(QStringLiteral("No se pudo crear %1: %2").arg(ruta, f.errorString()).toStdString());
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        throw ErrorArchivo(QStringLiteral("No se pudo escribir %1: %2").arg(ruta, f.errorString()).toStdString());
    }
    if (!f.commit())
        throw ErrorArchivo(QStringLiteral("No se pudo cerrar %1: %2").arg(ruta, f.errorString()).toStdString());
}

QString NombreArchivoSeguro(const QString &nombre)
{
    // Characters that a path or one of the usual file systems would read otherwise.
    static const QString prohibidos = QStringLiteral("/\\:*?\"<>|%");
    bool simple = !nombre.isEmpty() && nombre != u"." && nombre != u"..";
    for (const QChar c : nombre)
        if (c.unicode() < 32 || c.unicode() == 127 || prohibidos.contains(c))
            simple = false;
    QString r;
    if (simple) {
        r = nombre;
    } else {
        for (const QChar c : nombre) {
            if (c.unicode() < 32 || c.unicode() == 127 || prohibidos.contains(c) || c == u'.')
                r += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QChar(u'0')).toUpper();
            else
                r += c;
        }
        if (r.isEmpty())
            r = QStringLiteral("%00");
    }
    // File systems refuse names beyond 255 bytes; keep long names unique by a hash.
    if (r.toUtf8().size() > 200) {
        const qsizetype corte = r[99].isHighSurrogate() ? 99 : 100;
        r = r.left(corte) + u'~'
            + QString::fromLatin1(QCryptographicHash::hash(nombre.toUtf8(), QCryptographicHash::Sha1).toHex());
    }
    return r;
}
