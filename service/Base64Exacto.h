#pragma once
// Base64 values read in one pass, kept only when their text can be written back
// exactly: what lets a long value (a picture) be held decoded.
#include <QByteArray>
#include <QString>
#include <optional>

/// How a Base64 text is laid out: on one line, or broken into lines of `largoLinea`
/// characters (the last one may be shorter) by "\n", as some toolkits write it.
struct FormaBase64 {
    int largoLinea = 0; // 0: one line
    bool saltoFinal = false; // a "\n" after the last line
};

/// The bytes whose Base64 form (RFC 4648, "=" padding, laid out as `forma` receives)
/// is exactly `texto`, so that EscribirBase64 gives it back; std::nullopt for any
/// other text, e.g. blanks, other line breaks or bits set past the last byte.
[[nodiscard]] std::optional<QByteArray> LeerBase64Exacto(QStringView texto, FormaBase64 &forma);
class ReservaBytes;

/// The same over UTF-8 (or any ASCII-based) bytes: what the reader holds as it parses.
/// With `reserva`, the bytes are taken from it.
[[nodiscard]] std::optional<QByteArray> LeerBase64Exacto(QByteArrayView texto, FormaBase64 &forma,
                                                         ReservaBytes *reserva = nullptr);

/// The Base64 text of `bytes` laid out as `forma`.
[[nodiscard]] QString EscribirBase64(const QByteArray &bytes, FormaBase64 forma);
