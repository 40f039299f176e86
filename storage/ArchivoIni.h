#pragma once
#include <QList>
#include <QString>
#include <utility>

// The settings file: INI text, one section per "[name]" line, "key=value" lines.
// Every call opens the file afresh; nothing is cached. Writes replace the file
// atomically (a crash leaves the old file or the new one) and keep it readable
// by its owner only, since it may hold a password. Keys and sections match
// without regard to case, as the usual INI handling does.

/// The stored text exactly, blanks included, or the default when the file, section or
/// key is missing.
[[nodiscard]] QString LeerConfig(const QString &ruta, const QString &seccion, const QString &clave,
                                 const QString &porDefecto);

/// Keys and their texts, stored together.
using ValoresConfig = QList<std::pair<QString, QString>>;

/// Stores the texts of several keys in one write of the file, creating file and section
/// when missing: a crash leaves every key as before or every key as after. Throws
/// ErrorArchivo on failure.
void EscribirConfig(const QString &ruta, const QString &seccion, const ValoresConfig &valores);

/// Stores one text, as above.
void EscribirConfig(const QString &ruta, const QString &seccion, const QString &clave, const QString &valor);

/// Reads a switch: on exactly when the stored integer is 1; the default when missing or not an integer.
[[nodiscard]] bool LeerConfigBool(const QString &ruta, const QString &seccion, const QString &clave,
                                  bool porDefecto);

/// Stores a switch as 1 or 0.
void EscribirConfigBool(const QString &ruta, const QString &seccion, const QString &clave, bool valor);
