#pragma once
#include "service/Base64Exacto.h"
#include <QHash>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

/// Bounds on one XML document: total bytes, nesting depth, element count, and the bytes
/// one token (a text value, a tag with its attributes) may take: the stream reader holds
/// a token whole, in UTF-16, until it ends.
struct LimitesXml {
    qint64 bytes = qint64(128) << 20;
    int profundidad = 128;
    qsizetype elementos = 2'000'000;
    qint64 bytesPorToken = qint64(16) << 20;
};

/// A small read-only DOM built incrementally from bytes as they arrive, with limits
/// that keep a hostile document from exhausting memory: total bytes, nesting depth
/// and element count. Document type declarations and entity references are refused.
/// Every failure throws ErrorServicio with a Spanish message.
///
/// Long Base64 values (pictures) can be kept decoded as soon as the reader hands them
/// over, so that the work overlaps the download and the tree holds 3 bytes where the
/// text would take 8 (4 UTF-16 characters).
class ArbolXml {
public:
    using Limites = LimitesXml;

    /// `que` names the document in messages ("La respuesta del servicio").
    /// `atributos`: local names of the attributes worth keeping (empty keeps all);
    /// replies need only a few, and dropping the rest saves memory on large lists.
    explicit ArbolXml(QString que, Limites limites = {}, QList<QLatin1StringView> atributos = {});

    /// Text values of at least `caracteres` characters whose text is exactly the Base64
    /// form of some bytes (see LeerBase64Exacto) are kept as those bytes; 0 (the
    /// default) keeps every text.
    void decodificarBase64Desde(qsizetype caracteres) { m_umbralBase64 = caracteres; }

    void alimentar(QByteArrayView datos);
    /// The document must be complete by now.
    void terminar();
    [[nodiscard]] bool completo() const { return m_completo; }

    // Navigation: nodes are indices, -1 is none.
    [[nodiscard]] int raiz() const { return m_nodos.isEmpty() ? -1 : 0; }
    [[nodiscard]] int hijo(int n) const { return m_nodos[n].primerHijo; }
    [[nodiscard]] int siguiente(int n) const { return m_nodos[n].siguiente; }
    [[nodiscard]] QStringView nombre(int n) const { return m_nombres[m_nodos[n].nombre]; }
    [[nodiscard]] QStringView espacio(int n) const { return m_nombres[m_nodos[n].espacio]; }
    /// The text of a value element (whether kept as text or decoded).
    [[nodiscard]] QString texto(int n) const;
    /// The bytes of a value kept decoded from Base64, or nullptr when kept as text;
    /// texto(n) is exactly their Base64 form.
    [[nodiscard]] const QByteArray *base64(int n) const
    {
        return m_nodos[n].decodificado ? &m_nodos[n].bytes : nullptr;
    }
    /// The first attribute with that local name, whatever its namespace; null when absent.
    [[nodiscard]] QStringView atributo(int n, QLatin1StringView nombre) const;
    /// Value of an attribute with that local name whose namespace satisfies `ns`.
    template <class F> [[nodiscard]] QStringView atributo(int n, QLatin1StringView nombre, F &&ns) const
    {
        const Nodo &x = m_nodos[n];
        for (int i = x.atributoInicio; i < x.atributoInicio + x.atributoCuenta; ++i)
            if (m_nombres[m_atributos[i].nombre] == nombre && ns(QStringView(m_nombres[m_atributos[i].espacio])))
                return m_atributos[i].valor;
        return {};
    }

    [[nodiscard]] qsizetype elementos() const { return m_nodos.size(); }
    [[nodiscard]] qint64 caracteresDeTexto() const { return m_caracteres; }

private:
    struct Nodo {
        int nombre = 0, espacio = 0;
        int padre = -1, primerHijo = -1, ultimoHijo = -1, siguiente = -1;
        int atributoInicio = 0, atributoCuenta = 0;
        bool decodificado = false; // the value is in `bytes` laid out as `forma`; `texto` is empty
        FormaBase64 forma;
        QString texto;
        QByteArray bytes;
    };
    struct Atributo {
        int nombre = 0, espacio = 0;
        QString valor;
    };

    void procesar();
    void abrirElemento();
    void agregarTexto(Nodo &x, QStringView t);
    void quitarTexto(Nodo &x);
    int nombreInterno(QStringView s);
    [[noreturn]] void fallar(const QString &mensaje) const;

    QString m_que;
    Limites m_limites;
    QList<QLatin1StringView> m_filtro;
    QXmlStreamReader m_lector;
    QList<Nodo> m_nodos;
    QList<Atributo> m_atributos;
    QList<QString> m_nombres;          // interned names: each distinct name once
    QHash<QStringView, int> m_indice;  // views into m_nombres
    int m_actual = -1;
    int m_profundidad = 0;
    qint64 m_bytes = 0, m_caracteres = 0;
    qint64 m_bytesSinToken = 0; // fed since the reader last completed a token
    qsizetype m_umbralBase64 = 0;
    bool m_completo = false;
};
