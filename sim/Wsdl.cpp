#include "sim/Wsdl.h"
#include "sim/Firmas.h"
#include <QXmlStreamWriter>

namespace {

const QString kWsdl = QStringLiteral("http://schemas.xmlsoap.org/wsdl/");
const QString kSoap = QStringLiteral("http://schemas.xmlsoap.org/wsdl/soap/");
const QString kXs = QStringLiteral("http://www.w3.org/2001/XMLSchema");
const QString kSoapEnc = QStringLiteral("http://schemas.xmlsoap.org/soap/encoding/");
const QString kTns = QStringLiteral("http://tempuri.org/");
const QString kTipos = QStringLiteral("urn:trazenIntf");
const QString kOperaciones = QStringLiteral("urn:trazenIntf-Itrazen");

// The array of TFoo is TArrayFoo.
QString NombreArreglo(const TypeInfo &elemento)
{
    return QStringLiteral("TArray") + QString::fromLatin1(elemento.nombreXml).mid(1);
}

QString TipoXml(Tipo tipo, const TypeInfo *registro)
{
    switch (tipo) {
    case Tipo::Integer:
        return QStringLiteral("xs:int");
    case Tipo::Double:
    case Tipo::Date: // day counts travel as numbers
    case Tipo::Time:
        return QStringLiteral("xs:double");
    case Tipo::Boolean:
        return QStringLiteral("xs:boolean");
    case Tipo::String:
        return QStringLiteral("xs:string");
    case Tipo::DateTime:
    case Tipo::XSDateTime:
        return QStringLiteral("xs:dateTime");
    case Tipo::Bytes:
        return QStringLiteral("xs:base64Binary");
    case Tipo::Record:
        return QStringLiteral("ns1:") + QString::fromLatin1(registro->nombreXml);
    case Tipo::Array:
        return QStringLiteral("ns1:") + NombreArreglo(*registro);
    }
    return {};
}

// Every record type reachable from the operations, each once, nested ones first.
void Recorrer(const TypeInfo &t, QList<const TypeInfo *> &vistos)
{
    if (vistos.contains(&t))
        return;
    for (const FieldInfo &f : t.campos)
        if (f.anidado)
            Recorrer(*f.anidado(), vistos);
    vistos.append(&t);
}

void EscribirTipos(QXmlStreamWriter &w)
{
    QList<const TypeInfo *> tipos;
    for (const Firma &f : Firmas()) {
        for (const Parametro &p : f.parametros)
            if (p.registro)
                Recorrer(*p.registro, tipos);
        if (f.resultado && f.resultado->registro)
            Recorrer(*f.resultado->registro, tipos);
    }
    w.writeStartElement(kWsdl, QStringLiteral("types"));
    w.writeStartElement(kXs, QStringLiteral("schema"));
    w.writeAttribute(QStringLiteral("targetNamespace"), kTipos);
    for (const TypeInfo *t : tipos) {
        for (const FieldInfo &f : t->campos) {
            if (f.tipo != Tipo::Array)
                continue;
            // <TArrayFoo>: a SOAP-encoded array of TFoo.
            w.writeStartElement(kXs, QStringLiteral("complexType"));
            w.writeAttribute(QStringLiteral("name"), NombreArreglo(*f.anidado()));
            w.writeStartElement(kXs, QStringLiteral("complexContent"));
            w.writeStartElement(kXs, QStringLiteral("restriction"));
            w.writeAttribute(QStringLiteral("base"), QStringLiteral("soapenc:Array"));
            w.writeEmptyElement(kXs, QStringLiteral("attribute"));
            w.writeAttribute(QStringLiteral("ref"), QStringLiteral("soapenc:arrayType"));
            w.writeAttribute(kWsdl, QStringLiteral("arrayType"),
                             QStringLiteral("ns1:") + QString::fromLatin1(f.anidado()->nombreXml) + QStringLiteral("[]"));
            w.writeEndElement();
            w.writeEndElement();
            w.writeEndElement();
        }
        w.writeStartElement(kXs, QStringLiteral("complexType"));
        w.writeAttribute(QStringLiteral("name"), QString::fromLatin1(t->nombreXml));
        w.writeStartElement(kXs, QStringLiteral("sequence"));
        for (const FieldInfo &f : t->campos) {
            w.writeEmptyElement(kXs, QStringLiteral("element"));
            w.writeAttribute(QStringLiteral("name"), QString::fromLatin1(f.nombre));
            w.writeAttribute(QStringLiteral("type"), TipoXml(f.tipo, f.anidado ? f.anidado() : nullptr));
        }
        w.writeEndElement();
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndElement();
}

void EscribirParte(QXmlStreamWriter &w, const Parametro &p)
{
    w.writeEmptyElement(kWsdl, QStringLiteral("part"));
    w.writeAttribute(QStringLiteral("name"), QString::fromLatin1(p.nombre));
    w.writeAttribute(QStringLiteral("type"), TipoXml(p.tipo, p.registro));
}

void EscribirMensajes(QXmlStreamWriter &w, const Firma &f)
{
    const QString op = QString::fromLatin1(f.operacion);
    w.writeStartElement(kWsdl, QStringLiteral("message"));
    w.writeAttribute(QStringLiteral("name"), op + QStringLiteral("Request"));
    for (const Parametro &p : f.parametros)
        if (p.modo != Modo::Out)
            EscribirParte(w, p);
    w.writeEndElement();
    w.writeStartElement(kWsdl, QStringLiteral("message"));
    w.writeAttribute(QStringLiteral("name"), op + QStringLiteral("Response"));
    if (f.resultado)
        EscribirParte(w, *f.resultado);
    for (const Parametro &p : f.parametros)
        if (p.modo != Modo::Const)
            EscribirParte(w, p);
    w.writeEndElement();
}

void EscribirCuerpoSoap(QXmlStreamWriter &w, const QString &nombre)
{
    w.writeStartElement(kWsdl, nombre);
    w.writeEmptyElement(kSoap, QStringLiteral("body"));
    w.writeAttribute(QStringLiteral("use"), QStringLiteral("encoded"));
    w.writeAttribute(QStringLiteral("encodingStyle"), kSoapEnc);
    w.writeAttribute(QStringLiteral("namespace"), kOperaciones);
    w.writeEndElement();
}

} // namespace

QByteArray DescripcionWsdl(const QString &base)
{
    QByteArray salida;
    QXmlStreamWriter w(&salida);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeNamespace(kWsdl, QStringLiteral("wsdl"));
    w.writeNamespace(kSoap, QStringLiteral("soap"));
    w.writeNamespace(kXs, QStringLiteral("xs"));
    w.writeNamespace(kSoapEnc, QStringLiteral("soapenc"));
    w.writeNamespace(kTns, QStringLiteral("tns"));
    w.writeNamespace(kTipos, QStringLiteral("ns1"));
    w.writeStartElement(kWsdl, QStringLiteral("definitions"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("Itrazenservice"));
    w.writeAttribute(QStringLiteral("targetNamespace"), kTns);
    EscribirTipos(w);
    for (const Firma &f : Firmas())
        EscribirMensajes(w, f);

    w.writeStartElement(kWsdl, QStringLiteral("portType"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("Itrazen"));
    for (const Firma &f : Firmas()) {
        const QString op = QString::fromLatin1(f.operacion);
        w.writeStartElement(kWsdl, QStringLiteral("operation"));
        w.writeAttribute(QStringLiteral("name"), op);
        w.writeEmptyElement(kWsdl, QStringLiteral("input"));
        w.writeAttribute(QStringLiteral("message"), QStringLiteral("tns:") + op + QStringLiteral("Request"));
        w.writeEmptyElement(kWsdl, QStringLiteral("output"));
        w.writeAttribute(QStringLiteral("message"), QStringLiteral("tns:") + op + QStringLiteral("Response"));
        w.writeEndElement();
    }
    w.writeEndElement();

    w.writeStartElement(kWsdl, QStringLiteral("binding"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("Itrazenbinding"));
    w.writeAttribute(QStringLiteral("type"), QStringLiteral("tns:Itrazen"));
    w.writeEmptyElement(kSoap, QStringLiteral("binding"));
    w.writeAttribute(QStringLiteral("style"), QStringLiteral("rpc"));
    w.writeAttribute(QStringLiteral("transport"), QStringLiteral("http://schemas.xmlsoap.org/soap/http"));
    for (const Firma &f : Firmas()) {
        const QString op = QString::fromLatin1(f.operacion);
        w.writeStartElement(kWsdl, QStringLiteral("operation"));
        w.writeAttribute(QStringLiteral("name"), op);
        w.writeEmptyElement(kSoap, QStringLiteral("operation"));
        w.writeAttribute(QStringLiteral("soapAction"), kOperaciones + u'#' + op);
        w.writeAttribute(QStringLiteral("style"), QStringLiteral("rpc"));
        EscribirCuerpoSoap(w, QStringLiteral("input"));
        EscribirCuerpoSoap(w, QStringLiteral("output"));
        w.writeEndElement();
    }
    w.writeEndElement();

    w.writeStartElement(kWsdl, QStringLiteral("service"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("Itrazenservice"));
    w.writeStartElement(kWsdl, QStringLiteral("port"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("ItrazenPort"));
    w.writeAttribute(QStringLiteral("binding"), QStringLiteral("tns:Itrazenbinding"));
    w.writeEmptyElement(kSoap, QStringLiteral("address"));
    w.writeAttribute(QStringLiteral("location"), base + QStringLiteral("/WSTrazen.dll/soap/Itrazen"));
    w.writeEndElement();
    w.writeEndElement();

    w.writeEndElement();
    w.writeEndDocument();
    return salida;
}
