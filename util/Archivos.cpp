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
    // Characters that a path or one of the usual file systems would read otherwise. "%"
    // starts our own escapes, so a name kept as it is never looks like an escaped one.
    static const QString prohibidos = QStringLiteral("/\\:*?\"<>|%");
    const auto prohibido = [](QChar c) { return c.unicode() < 32 || c.unicode() == 127 || prohibidos.contains(c); };
    // A lone half of a surrogate pair has no UTF-8 form: two such names would share one.
    const auto suelto = [&](qsizetype i) {
        const QChar c = nombre[i];
        if (c.isHighSurrogate())
            return i + 1 >= nombre.size() || !nombre[i + 1].isLowSurrogate();
        return c.isLowSurrogate() && (i == 0 || !nombre[i - 1].isHighSurrogate());
    };
    bool simple = !nombre.isEmpty() && nombre != u"." && nombre != u"..";
    for (qsizetype i = 0; simple && i < nombre.size(); ++i)
        simple = !prohibido(nombre[i]) && !suelto(i);
    QString r;
    if (simple) {
        r = nombre;
    } else {
        // "%XX" for a character below 128, "%uXXXX" for a lone surrogate, "%" alone for
        // the empty name: every escaped form is told apart from every other.
        for (qsizetype i = 0; i < nombre.size(); ++i) {
            const QChar c = nombre[i];
            if (prohibido(c) || c == u'.')
                r += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QChar(u'0')).toUpper();
            else if (suelto(i))
                r += QStringLiteral("%u%1").arg(c.unicode(), 4, 16, QChar(u'0')).toUpper();
            else
                r += c;
        }
        if (r.isEmpty())
            r = QStringLiteral("%");
    }
    // File systems refuse names beyond 255 bytes, and the picture's name gets ".jpg" and
    // a temporary suffix while it is written. A long name keeps its first 150 bytes, cut
    // between characters, and "%~" with the hash of its whole form, which keeps it unique.
    QByteArray utf8 = r.toUtf8();
    if (utf8.size() > 200) {
        qsizetype corte = 150;
        while (corte > 0 && (quint8(utf8[corte]) & 0xC0) == 0x80) // not inside a character
            --corte;
        const QByteArray hash = QCryptographicHash::hash(utf8, QCryptographicHash::Sha1).toHex();
        utf8.truncate(corte);
        r = QString::fromUtf8(utf8) + QStringLiteral("%~") + QString::fromLatin1(hash);
    }
    return r;
}
