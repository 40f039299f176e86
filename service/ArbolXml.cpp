#include "service/ArbolXml.h"
#include "service/ErrorServicio.h"
#include <limits>

ArbolXml::ArbolXml(QString que, Limites limites, QList<QLatin1StringView> atributos)
    : m_que(std::move(que)), m_limites(limites), m_filtro(std::move(atributos)),
      m_lector(m_que, *this, limites.bytesPorToken)
{
    // Text offsets are 32 bits: no document beyond 4 GB.
    m_limites.bytes = std::min<qint64>(m_limites.bytes, std::numeric_limits<quint32>::max());
    m_limites.bytesPorElemento = std::max(1, m_limites.bytesPorElemento);
    nombreInterno(u""); // index 0: the empty name (no namespace)
}

void ArbolXml::alimentar(QByteArrayView datos)
{
    if (m_completo || datos.isEmpty())
        return;
    m_bytes += datos.size();
    if (m_bytes > m_limites.bytes)
        fallar(QStringLiteral("%1 excede el límite de %2 bytes").arg(m_que).arg(m_limites.bytes));
    m_lector.alimentar(datos);
    m_completo = m_lector.completo();
}

void ArbolXml::terminar()
{
    if (!m_completo) {
        m_lector.terminar();
        m_completo = m_lector.completo();
    }
    if (!m_completo)
        fallar(m_que + (m_cuenta == 0 ? QStringLiteral(" llegó vacía") : QStringLiteral(" llegó incompleta")));
}

QString ArbolXml::texto(int n) const
{
    const Nodo &x = nodo(n);
    if (x.etiqueta & Decodificado)
        return EscribirBase64(m_binarios[x.inicio].bytes, m_binarios[x.inicio].forma);
    return x.largo == 0 ? QString() : QString::fromUtf8(m_textos.constData() + x.inicio, x.largo);
}

QStringView ArbolXml::atributo(int n, QLatin1StringView nombre) const
{
    return atributo(n, nombre, [](QStringView) { return true; });
}

void ArbolXml::abrir(int espacio, QByteArrayView nombre, std::span<const AtributoXml> atributos)
{
    if (m_pila.size() >= m_limites.profundidad)
        fallar(QStringLiteral("%1 anida más de %2 niveles").arg(m_que).arg(m_limites.profundidad));
    const qint64 maximo = m_limites.elementos + m_bytes / m_limites.bytesPorElemento;
    if (m_cuenta >= maximo || m_cuenta >= qsizetype(Etiqueta))
        fallar(QStringLiteral("%1 tiene más de %2 elementos").arg(m_que).arg(maximo));

    const int n = int(m_cuenta);
    if (const auto [b, i] = lugar(n); i == 0) {
        const size_t tam = b <= 1 ? size_t(1) << BitsPrimero : size_t(1) << std::min(BitsPrimero + int(b) - 1, BitsUltimo);
        m_bloques.push_back(std::unique_ptr<Nodo[]>(new Nodo[tam]));
        ReservaBytes::prepararPaginas(m_bloques.back().get(), qsizetype(tam * sizeof(Nodo)));
    }
    ++m_cuenta;
    Nodo &x = nodo(n);
    x = Nodo{quint32(etiquetaDe(espacio, nombre)), -1, quint32(m_atributos.size()), 0, 0};
    for (const AtributoXml &a : atributos) {
        if (!m_filtro.isEmpty()
            && std::none_of(m_filtro.cbegin(), m_filtro.cend(), [&](QLatin1StringView f) {
                   return QByteArrayView(f.data(), f.size()) == a.nombre;
               }))
            continue;
        const qsizetype inicio = m_valores.size();
        m_valores += QString::fromUtf8(a.valor);
        m_atributos.append({nombreInterno(QString::fromUtf8(a.nombre)), nombreDeEspacio(a.espacio), quint32(inicio),
                            quint32(m_valores.size() - inicio)});
    }
    if (!m_pila.isEmpty()) {
        Abierto &p = m_pila.last();
        if (p.ultimoHijo < 0) {
            Nodo &padre = nodo(p.nodo);
            padre.etiqueta |= ConHijos; // its first child is the next node: n
            quitarTexto(padre);         // layout before the first child
        } else {
            nodo(p.ultimoHijo).siguiente = n;
        }
        p.ultimoHijo = n;
    }
    m_pila.append({n, -1});
}

void ArbolXml::cerrar() { m_pila.removeLast(); }

void ArbolXml::texto(QByteArrayView t)
{
    // Text only counts in elements without children (values); the blanks between the
    // elements of a record are layout.
    if (m_pila.isEmpty() || m_pila.constLast().ultimoHijo >= 0 || t.isEmpty())
        return;
    Nodo &x = nodo(m_pila.constLast().nodo);
    m_caracteres += t.size();
    if (x.etiqueta & Decodificado) { // more text after it (a CDATA section): text after all
        const QByteArray b = EscribirBase64(m_binarios[x.inicio].bytes, m_binarios[x.inicio].forma).toLatin1();
        m_reserva.devolver(std::move(m_binarios.last().bytes));
        m_binarios.removeLast(); // the open element's value is the last one kept
        x.etiqueta &= ~Decodificado;
        x.inicio = quint32(m_textos.size());
        m_textos += b;
    }
    // Decoded straight from the reader's buffer: the text is never copied.
    if (m_umbralBase64 > 0 && x.largo == 0 && t.size() >= m_umbralBase64) {
        Binario b;
        if (std::optional<QByteArray> bytes = LeerBase64Exacto(t, b.forma, &m_reserva)) {
            b.bytes = std::move(*bytes);
            x.etiqueta |= Decodificado;
            x.inicio = quint32(m_binarios.size());
            x.largo = quint32(t.size());
            m_binarios.append(std::move(b));
            return;
        }
    }
    if (x.largo == 0)
        x.inicio = quint32(m_textos.size());
    m_textos += t;
    x.largo += quint32(t.size());
}

void ArbolXml::quitarTexto(Nodo &x)
{
    // The open element's text is the last one kept: dropping it gives the memory back.
    m_caracteres -= x.largo;
    if (x.etiqueta & Decodificado) {
        m_reserva.devolver(std::move(m_binarios.last().bytes));
        m_binarios.removeLast();
    }
    else if (x.largo > 0)
        m_textos.truncate(x.inicio);
    x.etiqueta &= ~Decodificado;
    x.inicio = x.largo = 0;
}

int ArbolXml::etiquetaDe(int espacioLector, QByteArrayView local)
{
    quint32 h = (2166136261u ^ quint32(espacioLector)) * 16777619u;
    for (const char c : local)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    Cache &c = m_cache[h % m_cache.size()];
    if (c.etiqueta >= 0 && c.hash == h) {
        const Etiquetado &e = m_etiquetas[c.etiqueta];
        if (e.espacioLector == espacioLector && e.local == local)
            return c.etiqueta;
    }
    QByteArray clave = QByteArray::number(espacioLector) + '\0' + local.toByteArray();
    int e = m_indiceEtiquetas.value(clave, -1);
    if (e < 0) {
        e = int(m_etiquetas.size());
        m_etiquetas.append({espacioLector, local.toByteArray(), nombreInterno(QString::fromUtf8(local)),
                            nombreDeEspacio(espacioLector)});
        m_indiceEtiquetas.insert(std::move(clave), e);
    }
    c = {h, e};
    return e;
}

int ArbolXml::nombreDeEspacio(int espacioLector)
{
    while (m_espaciosLector.size() <= espacioLector)
        m_espaciosLector.append(-1);
    int &i = m_espaciosLector[espacioLector];
    if (i < 0)
        i = nombreInterno(QString::fromUtf8(m_lector.espacio(espacioLector)));
    return i;
}

int ArbolXml::nombreInterno(QStringView s)
{
    if (const auto it = m_indice.constFind(s); it != m_indice.cend())
        return *it;
    const int i = int(m_nombres.size());
    m_nombres.append(s.toString());
    m_indice.insert(QStringView(m_nombres.constLast()), i);
    return i;
}

void ArbolXml::fallar(const QString &mensaje) const
{
    throw ErrorServicio(mensaje);
}
