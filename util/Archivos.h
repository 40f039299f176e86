#pragma once
#include <QByteArray>
#include <QString>
#include <stdexcept>

/// An input/output failure while writing a file.
class ErrorArchivo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The application's documents folder: its own data folder, created when missing.
[[nodiscard]] QString CarpetaDocumentos();

/// Points the documents folder elsewhere (tests use a temporary folder); empty restores the default.
void setCarpetaDocumentos(const QString &carpeta);

/// Full path of a file in the documents folder.
[[nodiscard]] QString RutaDocumento(const QString &nombre);

/// Replaces the file whole with the bytes; a failure throws ErrorArchivo and leaves
/// the previous file as it was.
void GuardarBytes(const QByteArray &bytes, const QString &ruta);

/// Replaces a file that can be made again (a cache, a picture) whole: written beside it,
/// then renamed over it, so a failure or a crash never leaves it cut off. Not forced to
/// the disk, which would cost a disk flush per picture. Answers the error, empty on success.
[[nodiscard]] QString ReemplazarArchivo(const QString &ruta, const char *datos, qsizetype largo);

/// A file name made from a name the server sent, which can never leave the documents
/// folder: ordinary names stay as they are, anything else is percent-encoded.
[[nodiscard]] QString NombreArchivoSeguro(const QString &nombre);
