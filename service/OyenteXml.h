#pragma once
#include <QByteArrayView>
#include <span>

/// One attribute of a start tag as LectorXml hands it over: its namespace (an index
/// into LectorXml::espacio), its local name and its value, already normalized; the
/// views last until the call returns.
struct AtributoXml {
    int espacio = 0;
    QByteArrayView nombre;
    QByteArrayView valor;
};

/// What LectorXml tells of a document as it reads it: elements opened and closed, and
/// the character data between them, all in UTF-8.
class OyenteXml {
public:
    virtual ~OyenteXml() = default;
    /// A start tag; namespace declarations are not among the attributes.
    virtual void abrir(int espacio, QByteArrayView nombre, std::span<const AtributoXml> atributos) = 0;
    virtual void cerrar() = 0;
    /// A piece of the character data of the open element (text, CDATA, references
    /// resolved, line ends normalized). An element's text may come in several pieces.
    virtual void texto(QByteArrayView texto) = 0;
};
