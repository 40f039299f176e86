#pragma once
#include "service/Base64Exacto.h"
#include "service/LectorXml.h"
#include "service/ReservaBytes.h"
#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <bit>
#include <memory>
#include <vector>

/// Bounds on one XML document: total bytes, nesting depth, element count and the bytes
/// one token (a text value, a tag with its attributes) may take. The element count
/// grows with the bytes received: `elementos` whatever the size, and one more every
/// `bytesPorElemento` bytes, so that a long list is read whole while a document of
/// empty elements cannot take more memory than a few times its size.
struct LimitesXml {
    qint64 bytes = qint64(128) << 20;
    int profundidad = 128;
    qsizetype elementos = 65536;
    int bytesPorElemento = 8;
    qint64 bytesPorToken = qint64(16) << 20;
};

/// A small read-only DOM built incrementally from bytes as they arrive, with limits
/// that keep a hostile document from exhausting memory: total bytes, nesting depth
/// and element count. Document type declarations and entity references are refused.
/// Every failure throws ErrorServicio with a Spanish message.
///
/// An element costs 20 bytes and its text is kept once, in UTF-8. Long Base64 values
/// (pictures) can be kept decoded as soon as their last byte is in, so that the work
/// overlaps the download and the tree holds 3 bytes where the text takes 4.
class ArbolXml : private OyenteXml {
public:
    using Limites = LimitesXml;

    /// `que` names the document in messages ("La respuesta del servicio").
    /// `atributos`: local names of the attributes worth keeping (empty keeps all);
    /// replies need only a few, and dropping the rest saves memory on large lists.
    explicit ArbolXml(QString que, Limites limites = {}, QList<QLatin1StringView> atributos = {});
    ArbolXml(const ArbolXml &) = delete;
    ArbolXml &operator=(const ArbolXml &) = delete;

    /// Text values of at least `caracteres` characters whose text is exactly the Base64
    /// form of some bytes (see LeerBase64Exacto) are kept as those bytes; 0 (the
    /// default) keeps every text.
    void decodificarBase64Desde(qsizetype caracteres) { m_umbralBase64 = caracteres; }

    void alimentar(QByteArrayView datos);
    /// The document must be complete by now.
    void terminar();
    [[nodiscard]] bool completo() const { return m_completo; }

    // Navigation: nodes are indices in document order, -1 is none.
    [[nodiscard]] int raiz() const { return m_cuenta == 0 ? -1 : 0; }
    [[nodiscard]] int hijo(int n) const { return nodo(n).etiqueta & ConHijos ? n + 1 : -1; }
    [[nodiscard]] int siguiente(int n) const { return nodo(n).siguiente; }
    [[nodiscard]] QStringView nombre(int n) const { return m_nombres[m_etiquetas[etiqueta(n)].nombre]; }
    [[nodiscard]] QStringView espacio(int n) const { return m_nombres[m_etiquetas[etiqueta(n)].espacio]; }
    /// The text of a value element (whether kept as text or decoded).
    [[nodiscard]] QString texto(int n) const;
    /// The same as UTF-8, as it came; empty for a value kept decoded (see base64).
    [[nodiscard]] QByteArrayView textoUtf8(int n) const
    {
        const Nodo &x = nodo(n);
        return x.etiqueta & Decodificado ? QByteArrayView() : QByteArrayView(m_textos.constData() + x.inicio, x.largo);
    }
    /// The bytes of a value kept decoded from Base64, or nullptr when kept as text;
    /// texto(n) is exactly their Base64 form.
    [[nodiscard]] const QByteArray *base64(int n) const
    {
        const Nodo &x = nodo(n);
        return x.etiqueta & Decodificado ? &m_binarios[x.inicio].bytes : nullptr;
    }
    /// The first attribute with that local name, whatever its namespace; null when absent.
    [[nodiscard]] QStringView atributo(int n, QLatin1StringView nombre) const;
    /// Value of an attribute with that local name whose namespace satisfies `ns`.
    template <class F> [[nodiscard]] QStringView atributo(int n, QLatin1StringView nombre, F &&ns) const
    {
        for (qsizetype i = nodo(n).atributos, fin = finAtributos(n); i < fin; ++i) {
            const Atributo &a = m_atributos[i];
            if (m_nombres[a.nombre] == nombre && ns(QStringView(m_nombres[a.espacio])))
                return QStringView(m_valores).sliced(a.inicio, a.largo);
        }
        return {};
    }

    [[nodiscard]] qsizetype elementos() const { return m_cuenta; }
    /// Bytes of text the values hold (a decoded value counts its text).
    [[nodiscard]] qint64 caracteresDeTexto() const { return m_caracteres; }

private:
    static constexpr quint32 ConHijos = 1u << 31, Decodificado = 1u << 30, Etiqueta = Decodificado - 1;
    // Node blocks: 4096 nodes, then twice as many each time up to 65536 (a small document
    // takes little, a long list few blocks); nodes 0 to 65535 are in blocks 0 to 4.
    static constexpr int BitsPrimero = 12, BitsUltimo = 16;

    struct Nodo {
        quint32 etiqueta;       // index in m_etiquetas, and the two flags above
        qint32 siguiente;
        quint32 atributos;      // its first in m_atributos; they run to the next node's
        quint32 inicio, largo;  // its text in m_textos, or (decoded) m_binarios[inicio] and the text's length
    };
    struct Binario {
        QByteArray bytes;
        FormaBase64 forma;
    };
    struct Atributo {
        int nombre, espacio;
        quint32 inicio, largo; // in m_valores
    };
    struct Etiquetado {
        int espacioLector;
        QByteArray local;
        int nombre, espacio; // in m_nombres
    };
    struct Abierto {
        int nodo;
        int ultimoHijo;
    };
    struct Cache {
        quint32 hash = 0;
        int etiqueta = -1;
    };

    void abrir(int espacio, QByteArrayView nombre, std::span<const AtributoXml> atributos) override;
    void cerrar() override;
    void texto(QByteArrayView texto) override;

    /// Block and place in it of node n.
    [[nodiscard]] static std::pair<size_t, size_t> lugar(int n)
    {
        const auto u = size_t(n);
        if (u >= (size_t(1) << BitsUltimo))
            return {5 + ((u >> BitsUltimo) - 1), u & ((size_t(1) << BitsUltimo) - 1)};
        const size_t k = u < (size_t(1) << BitsPrimero) ? 0 : size_t(std::bit_width(u >> BitsPrimero));
        return {k, k == 0 ? u : u - (size_t(1) << (BitsPrimero + k - 1))};
    }
    [[nodiscard]] const Nodo &nodo(int n) const
    {
        const auto [b, i] = lugar(n);
        return m_bloques[b][i];
    }
    [[nodiscard]] Nodo &nodo(int n)
    {
        const auto [b, i] = lugar(n);
        return m_bloques[b][i];
    }
    [[nodiscard]] quint32 etiqueta(int n) const { return nodo(n).etiqueta & Etiqueta; }
    [[nodiscard]] qsizetype finAtributos(int n) const
    {
        return n + 1 < m_cuenta ? qsizetype(nodo(n + 1).atributos) : m_atributos.size();
    }
    [[nodiscard]] int etiquetaDe(int espacioLector, QByteArrayView local);
    [[nodiscard]] int nombreDeEspacio(int espacioLector);
    void quitarTexto(Nodo &x);
    int nombreInterno(QStringView s);
    [[noreturn]] void fallar(const QString &mensaje) const;

    QString m_que;
    Limites m_limites;
    QList<QLatin1StringView> m_filtro;
    LectorXml m_lector;

    std::vector<std::unique_ptr<Nodo[]>> m_bloques; // fixed blocks: growing never copies
    qsizetype m_cuenta = 0;
    QByteArray m_textos;
    QList<Binario> m_binarios;
    ReservaBytes m_reserva; // where the decoded values are kept
    QList<Atributo> m_atributos;
    QString m_valores; // attribute values, one after the other
    QList<Abierto> m_pila;

    QList<QString> m_nombres;          // interned names: each distinct name once
    QHash<QStringView, int> m_indice;  // views into m_nombres
    QList<Etiquetado> m_etiquetas;
    QHash<QByteArray, int> m_indiceEtiquetas; // namespace index of the reader, '\0', local name
    std::array<Cache, 512> m_cache{};  // the names last met: most tags find theirs here
    QList<int> m_espaciosLector;       // reader's namespace index -> m_nombres, -1 unknown yet

    qint64 m_bytes = 0, m_caracteres = 0;
    qsizetype m_umbralBase64 = 0;
    bool m_completo = false;
};
