#include "service/DecodificadorSoap.h"
#include "service/EspaciosSoap.h"
#include "service/ErrorServicio.h"
#include "service/FormatoSoap.h"
#include <charconv>

namespace {
constexpr int SaltosMaximos = 32; // href to an element that itself refers on

[[noreturn]] void Fallar(const QString &mensaje) { throw ErrorServicio(mensaje); }

/// The field named `nombre`, trying first the one after the previous match: replies
/// list the fields in order, so a long record is matched in linear time.
const FieldInfo *Buscar(const TypeInfo &t, QStringView nombre, qsizetype &cursor)
{
    const qsizetype n = qsizetype(t.campos.size());
    for (qsizetype k = 0; k < n; ++k) {
        const qsizetype i = (cursor + k) % n;
        if (nombre == QLatin1StringView(t.campos[i].nombre)) {
            cursor = i + 1;
            return &t.campos[i];
        }
    }
    return nullptr;
}

bool EsCifra(char c) { return c >= '0' && c <= '9'; }

// Numbers as servers write them ("12", "-0.25", "1E20") are read straight from the
// bytes; anything else (blanks, "+5", "INF", a date) goes the way of FormatoSoap.
std::optional<int> EnteroDirecto(QByteArrayView t)
{
    const bool menos = !t.isEmpty() && t[0] == '-';
    const QByteArrayView cifras = t.sliced(menos ? 1 : 0);
    if (cifras.isEmpty() || cifras.size() > 9 || !std::all_of(cifras.begin(), cifras.end(), EsCifra))
        return std::nullopt;
    int v = 0;
    for (const char c : cifras)
        v = v * 10 + (c - '0');
    return menos ? -v : v;
}

std::optional<double> DoubleDirecto(QByteArrayView t)
{
    qsizetype i = 0;
    const qsizetype n = t.size();
    const auto cifras = [&] {
        const qsizetype desde = i;
        while (i < n && EsCifra(t[i]))
            ++i;
        return i > desde;
    };
    if (i < n && t[i] == '-')
        ++i;
    if (!cifras())
        return std::nullopt;
    if (i < n && t[i] == '.' && (++i, !cifras()))
        return std::nullopt;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            ++i;
        if (!cifras())
            return std::nullopt;
    }
    double v = 0;
    if (i != n || std::from_chars(t.data(), t.data() + n, v).ec != std::errc())
        return std::nullopt;
    return v;
}
} // namespace

DecodificadorSoap::DecodificadorSoap(const ArbolXml &arbol)
    : m_arbol(arbol),
      // Shared references may repeat a value, but never beyond a few times the
      // document itself: that is how a small reply would blow up in memory.
      m_visitasRestantes(2 * arbol.elementos() + 1024),
      m_caracteresRestantes(2 * arbol.caracteresDeTexto() + (1 << 20))
{
}

void DecodificadorSoap::leer(int nodo, const Valor &destino) { leerRef(nodo, RefValor::de(destino)); }

int DecodificadorSoap::resolver(int nodo)
{
    for (int saltos = 0;; ++saltos) {
        const QStringView href = m_arbol.atributo(nodo, QLatin1StringView("href"));
        if (href.isNull())
            return nodo;
        if (saltos == SaltosMaximos)
            Fallar(QStringLiteral("Referencia circular en la respuesta del servicio (%1)").arg(href));
        if (!href.startsWith(u'#'))
            Fallar(QStringLiteral("Referencia no válida en la respuesta del servicio: %1").arg(href));
        indexarIds();
        const auto it = m_ids.constFind(href.mid(1));
        if (it == m_ids.cend())
            Fallar(QStringLiteral("Referencia no resuelta en la respuesta del servicio: %1").arg(href));
        nodo = *it;
    }
}

void DecodificadorSoap::indexarIds()
{
    if (m_idsIndexados)
        return;
    m_idsIndexados = true;
    for (int n = 0; n < m_arbol.elementos(); ++n) {
        const QStringView id = m_arbol.atributo(n, QLatin1StringView("id"));
        if (!id.isNull() && !m_ids.contains(id))
            m_ids.insert(id, n);
    }
}

bool DecodificadorSoap::esNulo(int nodo) const
{
    for (const auto nombre : {QLatin1StringView("nil"), QLatin1StringView("null")}) {
        const QStringView v = m_arbol.atributo(nodo, nombre, soap::esEspacioXsi).trimmed();
        if (v == u"1" || v.compare(QLatin1StringView("true"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QByteArrayView DecodificadorSoap::bytesDe(int nodo)
{
    const QByteArrayView t = m_arbol.textoUtf8(nodo);
    gastar(t.size());
    return t;
}

QString DecodificadorSoap::textoDe(int nodo)
{
    QString t = m_arbol.texto(nodo);
    gastar(t.size());
    return t;
}

void DecodificadorSoap::gastar(qint64 caracteres)
{
    m_caracteresRestantes -= caracteres;
    if (m_caracteresRestantes < 0)
        Fallar(QStringLiteral("La respuesta del servicio repite demasiadas veces sus valores"));
}

void DecodificadorSoap::entrar(int nodo)
{
    if (m_pila.contains(nodo))
        Fallar(QStringLiteral("Referencia circular en la respuesta del servicio (elemento %1)")
                   .arg(m_arbol.nombre(nodo)));
    m_pila.append(nodo);
}

void DecodificadorSoap::valorNoValido(int nodo, QLatin1StringView tipo)
{
    Fallar(QStringLiteral("Valor no válido en la respuesta del servicio: %1 no es %2 (\"%3\")")
               .arg(m_arbol.nombre(nodo), tipo, m_arbol.texto(nodo).left(40)));
}

void DecodificadorSoap::leerRef(int nodo, const RefValor &v)
{
    if (--m_visitasRestantes < 0)
        Fallar(QStringLiteral("La respuesta del servicio repite demasiadas veces sus valores"));
    nodo = resolver(nodo);
    const bool nulo = esNulo(nodo);
    switch (v.tipo) {
    case Tipo::Integer: {
        std::optional<int> x = 0;
        if (!nulo && m_arbol.base64(nodo))
            x = LeerEnteroSoap(textoDe(nodo));
        else if (!nulo) {
            const QByteArrayView t = bytesDe(nodo);
            if (!(x = EnteroDirecto(t)))
                x = LeerEnteroSoap(QString::fromUtf8(t));
        }
        if (!x)
            valorNoValido(nodo, QLatin1StringView("un entero"));
        v.como<int>() = *x;
        return;
    }
    case Tipo::Double:
    case Tipo::Date:
    case Tipo::Time:
    case Tipo::DateTime: {
        // A day count may come as a number or as a date-time, whatever its declaration.
        std::optional<double> x = nulo || m_arbol.base64(nodo) ? std::nullopt : DoubleDirecto(bytesDe(nodo));
        if (x) {
            v.como<double>() = *x;
            return;
        }
        // Charged above, unless kept decoded.
        const QString t = nulo ? QString() : m_arbol.base64(nodo) ? textoDe(nodo) : m_arbol.texto(nodo);
        x = LeerDoubleSoap(t);
        if (!x && v.tipo != Tipo::Double)
            if (const auto f = LeerFechaHoraSoap(t))
                x = DiasDeFechaHora(*f);
        if (!x)
            valorNoValido(nodo, QLatin1StringView("un número"));
        v.como<double>() = *x;
        return;
    }
    case Tipo::Boolean: {
        const auto x = nulo ? false : LeerBooleanoSoap(textoDe(nodo));
        if (!x)
            valorNoValido(nodo, QLatin1StringView("un booleano"));
        v.como<bool>() = *x;
        return;
    }
    case Tipo::String:
        v.como<QString>() = nulo ? QString() : textoDe(nodo);
        return;
    case Tipo::Bytes:
        if (nulo)
            v.como<QByteArray>() = QByteArray();
        else if (const QByteArray *b = m_arbol.base64(nodo)) {
            gastar((b->size() + 2) / 3 * 4); // as much as its text would have cost
            v.como<QByteArray>() = *b;        // shared with the tree, not copied
        } else
            v.como<QByteArray>() = QByteArray::fromBase64(textoDe(nodo).toLatin1());
        return;
    case Tipo::XSDateTime: {
        auto &d = v.como<std::optional<QDateTime>>();
        const QString t = nulo ? QString() : textoDe(nodo).trimmed();
        if (t.isEmpty()) {
            d.reset();
            return;
        }
        d = LeerFechaHoraSoap(t);
        if (!d)
            valorNoValido(nodo, QLatin1StringView("una fecha y hora"));
        return;
    }
    case Tipo::Record:
        if (nulo) {
            v.opcional->quitar(v.dato);
            return;
        }
        entrar(nodo);
        leerRegistro(nodo, v.opcional->crear(v.dato), *v.registro);
        m_pila.removeLast();
        return;
    case Tipo::Array:
        if (nulo) {
            v.arreglo->redimensionar(v.dato, 0);
            return;
        }
        entrar(nodo);
        leerArreglo(nodo, v);
        m_pila.removeLast();
        return;
    }
}

void DecodificadorSoap::leerRegistro(int nodo, void *registro, const TypeInfo &tipo)
{
    qsizetype cursor = 0;
    for (int c = m_arbol.hijo(nodo); c >= 0; c = m_arbol.siguiente(c))
        if (const FieldInfo *f = Buscar(tipo, m_arbol.nombre(c), cursor))
            leerRef(c, RefValor::de(*f, registro));
}

void DecodificadorSoap::leerArreglo(int nodo, const RefValor &v)
{
    // The entries are the child elements, whatever their name and whatever length the
    // array type claims: a hostile "TX[999999999]" allocates nothing.
    qsizetype n = 0;
    for (int c = m_arbol.hijo(nodo); c >= 0; c = m_arbol.siguiente(c))
        ++n;
    v.arreglo->redimensionar(v.dato, n);
    qsizetype i = 0;
    for (int c = m_arbol.hijo(nodo); c >= 0; c = m_arbol.siguiente(c), ++i)
        leerRef(c, RefValor{Tipo::Record, v.arreglo->elemento(v.dato, i), v.registro, v.opcional, nullptr});
}
