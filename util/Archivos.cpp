#include "util/Archivos.h"
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

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
    // One look before making it: this runs for every picture's path.
    if (!c.isEmpty() && !QFileInfo::exists(c))
        QDir().mkpath(c);
    return c;
}

void setCarpetaDocumentos(const QString &carpeta) { carpetaFijada() = carpeta; }

QString RutaDocumento(const QString &nombre) { return CarpetaDocumentos() + u'/' + nombre; }

QString ReemplazarArchivo(const QString &ruta, const char *datos, qsizetype largo)
{
    QTemporaryFile f(ruta + QStringLiteral(".XXXXXX"));
    if (!f.open())
        return QStringLiteral("No se pudo crear %1: %2").arg(ruta, f.errorString());
    // A short write (a full disk) is no error to the file itself: check the count.
    if (f.write(datos, largo) != largo || !f.flush())
        return QStringLiteral("No se pudo escribir %1: %2").arg(ruta, f.errorString());
    f.close();
    // rename() replaces the old file in one step, which QFile::rename does not.
    if (::rename(QFile::encodeName(f.fileName()).constData(), QFile::encodeName(ruta).constData()) != 0)
        return QStringLiteral("No se pudo reemplazar %1: %2").arg(ruta, QString::fromLocal8Bit(std::strerror(errno)));
    f.setAutoRemove(false);
    return {};
}

void GuardarBytes(const QByteArray &bytes, const QString &ruta)
{
    const QString error = ReemplazarArchivo(ruta, bytes.constData(), bytes.size());
    if (!error.isEmpty())
        throw ErrorArchivo(error.toStdString());
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
