#pragma once
#include <QString>

/// Removes blanks and the signs . , ; : - _ (used to test modifier texts).
[[nodiscard]] QString QuitarSignos(const QString &s);

/// Lower-cases ASCII capitals and capitalises the first character when it is an ASCII letter.
[[nodiscard]] QString Capitalizar(const QString &s);

/// Trims leading and trailing blanks and control characters (code below 33).
[[nodiscard]] QString Recortar(const QString &s);

/// True when the text holds something besides blanks and control characters.
[[nodiscard]] bool TieneTexto(const QString &s);

/// Lower-cases ASCII capitals only.
[[nodiscard]] QString MinusculasAscii(const QString &s);

/// A text as the product search compares it: in lower case and without accents,
/// diaeresis or tilde ("Tampiqueña" and "TAMPIQUENA" both give "tampiquena"). A letter
/// loses its marks by its canonical decomposition; marks typed apart are dropped.
[[nodiscard]] QString Normalizar(const QString &s);

/// A fixed text field of 256 UTF-16 code units: up to 255 units and a terminating 0.
using CampoFijo = char16_t[256];

/// Copies a text into a fixed field, cutting it at 255 code units (never inside a
/// surrogate pair) and zero-filling the rest.
void CopiarCampo(const QString &s, CampoFijo &campo);

/// Reads a fixed field: the units up to the first 0, or all 256 when there is none.
[[nodiscard]] QString LeerCampo(const CampoFijo &campo);
