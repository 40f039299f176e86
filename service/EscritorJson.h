#pragma once
#include "service/Valor.h"
#include <QByteArray>
#include <functional>

/// Writes the service's values as JSON text, in the forms of Json.h (records as objects
/// with their fields in wire order), piece by piece into a buffer: no tree in between, so
/// a large list costs its text and nothing more. With a sink, the buffer is handed over
/// whenever it grows past a block, and what is written never piles up.
class EscritorJson {
public:
    using Sumidero = std::function<void(QByteArrayView)>;

    explicit EscritorJson(Sumidero sumidero = {}) : m_sumidero(std::move(sumidero)) {}

    /// Day counts (TDateTime) as the number they are rather than a local date text: exact,
    /// and without a time-zone lookup per value, for files the client reads back itself.
    void setFechasComoDias(bool si) { m_fechasComoDias = si; }

    void valor(const Valor &v);
    void registro(const void *registro, const TypeInfo &tipo);

    // The pieces of a JSON document, for the objects the caller builds itself.
    void abrirObjeto() { cerrarValor(), m_texto += '{', m_primero = true; }
    void cerrarObjeto() { m_texto += '}', m_primero = false, vaciarSiLleno(); }
    void abrirArreglo() { cerrarValor(), m_texto += '[', m_primero = true; }
    void cerrarArreglo() { m_texto += ']', m_primero = false, vaciarSiLleno(); }
    /// The key of the next value of an object.
    void clave(QLatin1StringView nombre);
    void texto(const QString &s);
    void entero(qint64 n);
    void numero(double d);
    void booleano(bool b);
    void nulo();

    /// What is written and not yet handed to the sink.
    [[nodiscard]] const QByteArray &texto() const { return m_texto; }
    [[nodiscard]] QByteArray tomar() { return std::exchange(m_texto, {}); }
    /// Hands what is left to the sink.
    void vaciar();

private:
    void escribir(Tipo tipo, const void *dato, const TypeInfo *registro, const OpcionalOps *opcional,
                  const ArregloOps *arreglo);
    void cerrarValor(); // the comma before a value that is not the first of its container
    void vaciarSiLleno();

    Sumidero m_sumidero;
    QByteArray m_texto;
    bool m_primero = true;
    bool m_tieneClave = false;
    bool m_fechasComoDias = false;
};
