#pragma once
#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <optional>

/// Hands a document over as UTF-8 whatever encoding it comes in: UTF-8 (with or without
/// a byte order mark) passes through untouched, UTF-16 and any encoding the XML
/// declaration names that Qt knows (ISO-8859-1, windows-1252...) are converted piece by
/// piece. Throws ErrorServicio for an unknown encoding or bytes that are not of it.
class CodificacionXml {
public:
    explicit CodificacionXml(QString que) : m_que(std::move(que)) {}

    /// The UTF-8 form of `datos`, valid until the next call; empty while the start of
    /// the document does not yet tell its encoding.
    [[nodiscard]] QByteArrayView convertir(QByteArrayView datos);
    /// What was held back to tell the encoding, once no more bytes will come.
    [[nodiscard]] QByteArrayView terminar();

private:
    [[nodiscard]] QByteArrayView decidir(bool final);
    [[nodiscard]] QByteArrayView transcodificar(QByteArrayView datos);

    enum class Estado { Indeciso, Utf8, Otra };
    QString m_que;
    Estado m_estado = Estado::Indeciso;
    QByteArray m_cabecera; // the first bytes, until they tell the encoding
    std::optional<QStringDecoder> m_decodificador;
    QByteArray m_salida;
};
