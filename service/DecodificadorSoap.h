#pragma once
#include "service/ArbolXml.h"
#include "service/RefValor.h"
#include <QHash>

/// Reads SOAP section 5 encoded values out of a parsed document into typed values,
/// driven by the field tables: href="#id" anywhere in the document (forward references
/// too), xsi:nil of any schema version, inline or multi-reference records and arrays.
/// Elements that name no field are skipped; fields without an element keep their value.
/// A reference cycle, an unresolved reference, a value that is not of its type, or a
/// document whose references would multiply its size throw ErrorServicio.
class DecodificadorSoap {
public:
    explicit DecodificadorSoap(const ArbolXml &arbol);

    /// Reads element `nodo` (or the value it refers to) into `destino`.
    void leer(int nodo, const Valor &destino);
    /// The element a possibly referring element stands for.
    [[nodiscard]] int resolver(int nodo);

private:
    void leerRef(int nodo, const RefValor &v);
    void leerRegistro(int nodo, void *registro, const TypeInfo &tipo);
    void leerArreglo(int nodo, const RefValor &v);
    [[nodiscard]] bool esNulo(int nodo) const;
    [[nodiscard]] QString textoDe(int nodo);
    [[nodiscard]] QByteArrayView bytesDe(int nodo);
    /// Charges the characters read against what the document may repeat.
    void gastar(qint64 caracteres);
    void indexarIds();
    void entrar(int nodo);
    [[noreturn]] void valorNoValido(int nodo, QLatin1StringView tipo);

    const ArbolXml &m_arbol;
    QHash<QStringView, int> m_ids;
    bool m_idsIndexados = false;
    QList<int> m_pila; // records and arrays being read: a reference back to one is a cycle
    qint64 m_visitasRestantes;
    qint64 m_caracteresRestantes;
};
