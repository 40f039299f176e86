#pragma once
#include "service/CodificacionXml.h"
#include "service/OyenteXml.h"
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

/// A namespace-aware XML reader over UTF-8 bytes that arrive in pieces: it tells
/// `oyente` of every element and text as soon as their last byte is in, so a document
/// is read while it downloads and never held whole. It keeps only the token it is in
/// (at most `bytesPorToken` bytes: a text, a tag with its attributes, a comment) and
/// the names of the open elements. Document type declarations are refused, and so are
/// references other than the five predefined entities and character references.
/// Every failure throws ErrorServicio with a Spanish message naming `que`.
class LectorXml {
public:
    LectorXml(QString que, OyenteXml &oyente, qint64 bytesPorToken);

    void alimentar(QByteArrayView datos);
    /// No more bytes come; what the encoding detection held back is read.
    void terminar();
    /// The root element has ended: the rest of the input is not looked at.
    [[nodiscard]] bool completo() const { return m_completo; }
    /// The namespace name (URI) of an index handed to the listener; 0 is none.
    [[nodiscard]] QByteArrayView espacio(int i) const { return m_espacios[i]; }
    [[nodiscard]] int espacios() const { return int(m_espacios.size()); }

private:
    struct Abierto {
        qsizetype nombre; // offset of its qualified name in m_nombresAbiertos
        int largo;
        int enlaces; // namespace bindings in force before it
    };
    struct Enlace {
        QByteArray prefijo; // empty: the default namespace
        int espacio;
        int anterior; // the binding of the same prefix it hides, -1 none
    };
    struct AtributoCrudo {
        qsizetype nombre, valor; // offsets in m_buf
        int largoNombre, largoValor;
    };

    void procesar(QByteArrayView datos);
    void tokens();
    [[nodiscard]] qsizetype finDeMarca(qsizetype p);
    /// The end of the first `patron` at or after `minimo`, -1 when not yet in.
    [[nodiscard]] qsizetype buscar(QByteArrayView patron, qsizetype minimo);
    void marca(qsizetype p, qsizetype fin);
    void etiquetaDeInicio(qsizetype p, qsizetype fin);
    void etiquetaDeFin(qsizetype p, qsizetype fin);
    /// The innermost open element ends (its end tag, or an empty-element tag).
    void cerrarElemento();
    void instruccion(qsizetype p, qsizetype fin);
    void texto(const char *p, const char *fin, bool cdata);
    enum Modo { Texto, Atributo, Cdata };
    /// Appends the normalized value of [p, fin) to `salida`: references resolved (not in
    /// CDATA), line ends normalized (in an attribute, blanks made spaces); checks the
    /// characters.
    void normalizar(const char *p, const char *fin, Modo modo, QByteArray &salida);
    const char *referencia(const char *p, const char *fin, QByteArray &salida);
    [[nodiscard]] qsizetype nombre(qsizetype i, qsizetype fin);
    [[nodiscard]] int internarEspacio(QByteArrayView uri);
    [[nodiscard]] int resolver(QByteArrayView prefijo, bool elemento, QByteArrayView qnombre);
    void enlazar(QByteArray prefijo, int espacio);
    void desenlazar(int hasta); // back to the first `hasta` bindings
    [[noreturn]] void fallar(const QString &motivo, qsizetype posicion) const;
    [[noreturn]] void fallarEn(const QString &motivo, const char *p) const;

    QString m_que;
    OyenteXml &m_oyente;
    qint64 m_bytesPorToken;
    CodificacionXml m_codificacion;

    QByteArray m_buf;        // the token being read and what came after it
    qsizetype m_pos = 0;     // where that token starts
    qsizetype m_explorado = 0; // how far its end was looked for
    char m_comilla = 0;      // inside a quoted attribute value while looking for a tag's end
    qint64 m_descartados = 0; // bytes read before m_buf[0]
    bool m_completo = false;

    QList<Abierto> m_abiertos;
    QByteArray m_nombresAbiertos;
    QList<Enlace> m_enlaces;
    QHash<QByteArray, int> m_ultimoEnlace; // prefix -> 1 + its binding in force: no walk however many
    QList<QByteArray> m_espacios;
    QHash<QByteArray, int> m_indiceEspacios;

    // Reused per tag: no allocation per element once they have grown.
    QList<AtributoCrudo> m_crudos;
    QList<AtributoXml> m_atributos;
    QList<std::pair<qsizetype, qsizetype>> m_valores; // offset and size in m_normalizados, or -1: raw
    QByteArray m_normalizados;
    QByteArray m_textoNormalizado;
};
