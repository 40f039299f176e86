// The replies of the reading test: one row per case.
#include "CasosRespuesta.h"
#include "EscenarioSoap.h"
#include <QtTest>

using namespace Qt::StringLiterals;

QByteArray RespuestaPrueba(const QByteArray &operacion, const QByteArray &contenido, const QByteArray &despues)
{
    return SobrePrueba("<NS1:" + operacion + "Response xmlns:NS1=\"urn:trazenIntf-Itrazen\">" + contenido + "</NS1:"
                       + operacion + "Response>" + despues);
}

namespace {
/// UTF-8 text from a raw string.
QString operator""_j(const char *s, size_t n) { return QString::fromUtf8(s, qsizetype(n)); }

const QByteArray ListaMultiRef =
    R"(<NS2:TListaInfo1 id="ref1" xsi:type="NS2:TListaInfo1" xmlns:NS2="urn:trazenIntf">)"
    R"(<ArrayInfo1 xsi:type="SOAP-ENC:Array" SOAP-ENC:arrayType="NS2:TInfo1[2]"><item href="#_2"/><item href="#x-3"/>)"
    R"(</ArrayInfo1><Count xsi:type="xsd:int">2</Count></NS2:TListaInfo1>)"
    R"(<NS2:TInfo1 id="_2" xsi:type="NS2:TInfo1" xmlns:NS2="urn:trazenIntf"><DB xsi:type="xsd:int">1</DB>)"
    R"(<Nombre xsi:type="xsd:string">Terraza</Nombre><Cant xsi:type="xsd:double">2</Cant></NS2:TInfo1>)"
    R"(<NS2:TInfo1 id="x-3" xsi:type="NS2:TInfo1" xmlns:NS2="urn:trazenIntf"><DB xsi:type="xsd:int">2</DB>)"
    R"(<Nombre xsi:type="xsd:string">Barra</Nombre><Fecha xsi:nil="true"/></NS2:TInfo1>)";
const QString ListaEsperada =
    R"({"result":{"Count":2,"ArrayInfo1":[{"DB":1,"Nombre":"Terraza","Cant":2,"Fecha":null},{"DB":2,"Nombre":"Barra"}]}})"_j;

const QByteArray Fault = R"(<SOAP-ENV:Fault><faultcode>SOAP-ENV:Server</faultcode>)"
                         "<faultstring>Usuario o contraseña\nincorrectos&#13;(intente de nuevo) </faultstring>"
                         R"(<faultactor>WSTrazen</faultactor><detail><x>d</x></detail></SOAP-ENV:Fault>)";
const QString FaultEsperado = u"error: Usuario o contraseña\nincorrectos\r(intente de nuevo) "_s;

/// Base64 of `bytes` bytes, long enough to be kept decoded by the reader.
QByteArray FotoLarga(int bytes = 3000)
{
    QByteArray b(bytes, Qt::Uninitialized);
    for (int i = 0; i < bytes; ++i)
        b[i] = char(i * 7 + 3);
    return b.toBase64();
}

/// Base64 broken into lines of 76 characters, as some toolkits write it.
QByteArray ConSaltos(const QByteArray &base64)
{
    QByteArray r;
    for (qsizetype i = 0; i < base64.size(); i += 76)
        r += base64.mid(i, 76) + "\r\n";
    return r;
}

QByteArray Anidado(int niveles) { return QByteArray("<a>").repeated(niveles) + QByteArray("</a>").repeated(niveles); }

/// Every category is the same one, whose every subcategory is the same one: a few
/// kilobytes that would expand into a million subcategories with their pictures.
QByteArray Multiplicado()
{
    const QByteArray items = QByteArray(R"(<item href="#c"/>)").repeated(1000);
    const QByteArray subs = QByteArray(R"(<item href="#s"/>)").repeated(1000);
    return RespuestaPrueba("ObtenerCategoriasPOS", R"(<return><Count>1000</Count><ArrayCategoria>)" + items
                                                 + "</ArrayCategoria></return>",
                     R"(<c id="c"><ListaSubCategoria href="#l"/></c><l id="l"><ArraySubCategoria>)" + subs
                         + R"(</ArraySubCategoria></l><s id="s"><Foto>)" + QByteArray(4000, 'A') + "</Foto></s>");
}

} // namespace

void CasosRespuesta()
{
    QTest::addColumn<QString>("operacion");
    QTest::addColumn<QString>("argumentos");
    QTest::addColumn<QByteArray>("respuesta");
    QTest::addColumn<int>("estado");
    // JSON that the output must include, "error: " + the exact message, or
    // "error~ " + part of it.
    QTest::addColumn<QString>("esperado");
const auto fila = [](const char *nombre, const char *op, const char *args, const QByteArray &r, int estado,
                         const QString &esperado) {
        QTest::newRow(nombre) << QString::fromLatin1(op) << QString::fromUtf8(args) << r << estado << esperado;
    };
    // Faults and HTTP errors
    fila("fault con HTTP 500: el faultstring tal cual", "VersionWSPos", "{}", SobrePrueba(Fault), 500, FaultEsperado);
    fila("fault con HTTP 200", "ListaMesas", "{}", SobrePrueba(Fault), 200, FaultEsperado);
    fila("HTTP 500 sin sobre", "VersionWSPos", "{}", "<html><body>Error</body>", 500,
         u"error: El servicio respondió con el error HTTP 500 Internal Server Error"_s);
    fila("HTTP 404 vacío", "VersionWSPos", "{}", "", 404,
         u"error: El servicio respondió con el error HTTP 404 Not Found"_s);

    // Records and lists, multi-reference or inline
    fila("referencias hacia adelante, ids opacos", "ListaMesas", "{}",
         RespuestaPrueba("ListaMesas", R"(<return href="#ref1"/>)", ListaMultiRef), 200, ListaEsperada);
    fila("valores antes del elemento de respuesta", "ListaMesas", "{}",
         SobrePrueba(ListaMultiRef
                     + R"(<NS1:ListaMesasResponse xmlns:NS1="urn:trazenIntf-Itrazen"><return href="#ref1"/>)"
                       R"(</NS1:ListaMesasResponse>)"),
         200, ListaEsperada);
    fila("en línea, arreglo sin tipo, items con otro nombre", "ListaComandas", "{}",
         RespuestaPrueba("ListaComandas", "<return><ArrayInfo1><TInfo1><DB>9</DB><Total>120.5</Total></TInfo1>"
                                    "<TInfo1 href=\"#k\"/></ArrayInfo1><Count>2</Count></return>",
                   R"(<q id="k"><DB>10</DB></q>)"),
         200, R"({"result":{"Count":2,"ArrayInfo1":[{"DB":9,"Total":120.5},{"DB":10}]}})"_j);
    fila("Count mayor que el arreglo: ambos como llegan", "ListaMesas", "{}",
         RespuestaPrueba("ListaMesas", R"(<return><Count>5</Count><ArrayInfo1 xsi:type="SOAP-ENC:Array" )"
                                 R"(SOAP-ENC:arrayType="NS2:TInfo1[999999999]" xmlns:NS2="urn:trazenIntf">)"
                                 "<item><DB>1</DB></item><item xsi:nil=\"true\"/></ArrayInfo1></return>"),
         200, R"({"result":{"Count":5,"ArrayInfo1":[{"DB":1},null]}})"_j);
    fila("categorías con subcategorías y foto en Base64 con saltos", "ObtenerCategoriasPOS", "{}",
         RespuestaPrueba("ObtenerCategoriasPOS",
                   "<return><Count>1</Count><ArrayCategoria><item><NuCategoria>3</NuCategoria>"
                   "<Foto>AAEC\n/w==</Foto><ListaSubCategoria><Count>1</Count><ArraySubCategoria><item>"
                   "<Descripcion>Frías</Descripcion></item></ArraySubCategoria></ListaSubCategoria></item>"
                   "<item><NuCategoria>4</NuCategoria><ListaSubCategoria xsi:nil=\"true\"/></item>"
                   "</ArrayCategoria></return>"),
         200,
         R"({"result":{"ArrayCategoria":[{"NuCategoria":3,"Foto":"AAEC/w==","ListaSubCategoria":{"Count":1,)"
         R"("ArraySubCategoria":[{"Descripcion":"Frías"}]}},{"NuCategoria":4,"ListaSubCategoria":null}]}})"_j);
    fila("foto larga en Base64", "ObtenerCategoriasPOS", "{}",
         RespuestaPrueba("ObtenerCategoriasPOS", "<return><Count>1</Count><ArrayCategoria><item><Foto>" + FotoLarga()
                                                     + "</Foto></item></ArrayCategoria></return>"),
         200, u"{\"result\":{\"ArrayCategoria\":[{\"Foto\":\"%1\"}]}}"_s.arg(QLatin1StringView(FotoLarga())));
    fila("foto larga en Base64 con saltos de línea cada 76", "ObtenerCategoriasPOS", "{}",
         RespuestaPrueba("ObtenerCategoriasPOS", "<return><Count>1</Count><ArrayCategoria><item><Foto>"
                                                     + ConSaltos(FotoLarga()) + "</Foto></item></ArrayCategoria></return>"),
         200, u"{\"result\":{\"ArrayCategoria\":[{\"Foto\":\"%1\"}]}}"_s.arg(QLatin1StringView(FotoLarga())));
    fila("texto largo con forma de Base64 sigue siendo texto", "UltimoError", "{}",
         RespuestaPrueba("UltimoError", "<return>" + FotoLarga() + "</return>"), 200,
         u"{\"result\":\"%1\"}"_s.arg(QLatin1StringView(FotoLarga())));
    fila("texto largo en líneas con forma de Base64 sigue siendo texto", "UltimoError", "{}",
         RespuestaPrueba("UltimoError", "<return>" + ConSaltos(FotoLarga()) + "</return>"), 200,
         u"{\"result\":\"%1\"}"_s.arg(QString::fromLatin1(ConSaltos(FotoLarga()).replace("\r\n", "\\n"))));
    fila("texto largo casi Base64 sigue siendo texto", "UltimoError", "{}",
         RespuestaPrueba("UltimoError", "<return>" + FotoLarga().chopped(4) + "AB==</return>"), 200,
         u"{\"result\":\"%1AB==\"}"_s.arg(QLatin1StringView(FotoLarga().chopped(4))));
    fila("resultado nil", "ListaMesas", "{}", RespuestaPrueba("ListaMesas", R"(<return xsi:nil="true"/>)"), 200,
         R"({"result":null})"_j);
    fila("elementos desconocidos y campos en desorden", "ListaComandas", "{}",
         RespuestaPrueba("ListaComandas", "<Extra>1</Extra><return><Otro><DB>1</DB></Otro><ArrayInfo1><item>"
                                    "<Nota>n</Nota><NoExiste>x</NoExiste><DB>4</DB></item></ArrayInfo1>"
                                    "<Count>1</Count></return>"),
         200, R"({"result":{"Count":1,"ArrayInfo1":[{"DB":4,"Nota":"n"}]}})"_j);

    // Schema versions: nil is "null" before 2001; the date-time offset is honoured
    for (const auto &[nombre, xsd, xsi, nulo] :
         {std::tuple{"esquema 1999", "http://www.w3.org/1999/XMLSchema",
                     "http://www.w3.org/1999/XMLSchema-instance", "xsi:null=\"1\""},
          std::tuple{"esquema 2000/10", "http://www.w3.org/2000/10/XMLSchema",
                     "http://www.w3.org/2000/10/XMLSchema-instance", "xsi:null=\"true\""},
          std::tuple{"esquema 2001", "http://www.w3.org/2001/XMLSchema",
                     "http://www.w3.org/2001/XMLSchema-instance", "xsi:nil=\"true\""}})
        fila(nombre, "ListaComandas", "{}",
             SobrePrueba("<NS1:ListaComandasResponse xmlns:NS1=\"urn:trazenIntf-Itrazen\"><return><Count>1</Count>"
                         "<ArrayInfo1><item><Nombre " + QByteArray(nulo) + ">x</Nombre><Hora " + nulo
                             + "/><Fecha>2022-04-15T13:05:09.042-06:00</Fecha></item></ArrayInfo1></return>"
                               "</NS1:ListaComandasResponse>",
                         xsd, xsi),
             200, R"({"result":{"ArrayInfo1":[{"Nombre":"","Hora":null,"Fecha":"2022-04-15T19:05:09.042Z"}]}})"_j);

    // Scalars and var arguments
    fila("booleano 1", "AccesoUserXModuloXAlmacen", "{}",
         RespuestaPrueba("AccesoUserXModuloXAlmacen", "<return>1</return>"), 200, R"({"result":true})"_j);
    fila("booleano FALSE", "AccesoUserXModuloXAlmacen", "{}",
         RespuestaPrueba("AccesoUserXModuloXAlmacen", "<return> FALSE </return><Msg>Sin acceso</Msg>"), 200,
         R"({"result":false,"Msg":"Sin acceso"})"_j);
    fila("var ausente conserva lo enviado; var nil queda vacío", "AccesoUserXModuloXAlmacen",
         R"({"NuUser":7,"NuAlmacen":3,"Msg":"previo","Modulos":"TT"})",
         RespuestaPrueba("AccesoUserXModuloXAlmacen", R"(<NuUser>12</NuUser><return>true</return><Msg xsi:nil="true"/>)"),
         200, R"({"result":true,"NuUser":12,"NuAlmacen":3,"Msg":"","Modulos":"TT"})"_j);
    fila("números con espacios", "ObtenerResumen", "{}",
         RespuestaPrueba("ObtenerResumen", "<return>\n  3 \n</return><ComandasPen>  4</ComandasPen>"
                                     "<Propinas> 12.50 </Propinas><Total>-INF</Total>"),
         200, R"({"result":3,"ComandasPen":4,"ComandasFin":0,"Propinas":12.5,"Total":"-INF"})"_j);
    fila("Result en otra caja entre varios hijos", "ObtenerResumen", "{}",
         RespuestaPrueba("ObtenerResumen", "<ComandasPen>1</ComandasPen><Result>5</Result>"), 200,
         R"({"result":5,"ComandasPen":1})"_j);
    fila("único hijo con nombre de var: no es el resultado", "ObtenerSurtido", "{}",
         RespuestaPrueba("ObtenerSurtido", "<Platillos>3</Platillos>"), 200, R"({"result":null,"Platillos":3})"_j);
    fila("procedimiento: sólo var", "DatosEmpresa3", R"({"Printer2":"antes"})",
         RespuestaPrueba("DatosEmpresa3", "<Printer1>Cocina</Printer1><Printer5>Barra</Printer5>"), 200,
         R"({"result":null,"Printer1":"Cocina","Printer2":"antes","Printer5":"Barra"})"_j);
    fila("falta el resultado escalar", "VersionWSPos", "{}", RespuestaPrueba("VersionWSPos", ""), 200,
         u"error: La respuesta de VersionWSPos no trae el resultado"_s);
    fila("falta el resultado lista", "ListaMesas", "{}", RespuestaPrueba("ListaMesas", ""), 200,
         R"({"result":null})"_j);
    fila("entero que no es", "VersionWSPos", "{}", RespuestaPrueba("VersionWSPos", "<return>diez</return>"), 200,
         u"error~ no es un entero"_s);

    // Replies meant to hurt
    fila("anidado 100 000 niveles", "VersionWSPos", "{}",
         RespuestaPrueba("VersionWSPos", "<return>1</return>" + Anidado(100'000)), 200,
         u"error~ anida más de 128 niveles"_s);
    fila("Count 2147483647 con el arreglo vacío: ambos como llegan", "ListaMesas", "{}",
         RespuestaPrueba("ListaMesas", R"(<return><Count>2147483647</Count><ArrayInfo1 xsi:type="SOAP-ENC:Array" )"
                                       R"(SOAP-ENC:arrayType="NS2:TInfo1[2147483647]" xmlns:NS2="urn:trazenIntf"/>)"
                                       "</return>"),
         200, R"({"result":{"Count":2147483647,"ArrayInfo1":[]}})"_j);
    fila("ciclo de href", "ListaMesas", "{}",
         RespuestaPrueba("ListaMesas", R"(<return href="#1"/>)",
                   R"(<L id="1"><Count>1</Count><ArrayInfo1><item href="#1"/></ArrayInfo1></L>)"),
         200, u"error~ Referencia circular"_s);
    fila("href a sí mismo", "VersionWSPos", "{}",
         RespuestaPrueba("VersionWSPos", R"(<return href="#1"/>)", R"(<x id="1" href="#1"/>)"), 200,
         u"error~ Referencia circular"_s);
    fila("href sin destino", "VersionWSPos", "{}", RespuestaPrueba("VersionWSPos", R"(<return href="#9"/>)"), 200,
         u"error: Referencia no resuelta en la respuesta del servicio: #9"_s);
    fila("referencias que multiplican", "ObtenerCategoriasPOS", "{}", Multiplicado(), 200,
         u"error~ repite demasiadas veces"_s);
    fila("DTD con entidades", "VersionWSPos", "{}",
         "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;\">]>"
             + RespuestaPrueba("VersionWSPos", "<return>&b;</return>").mid(38),
         200, u"error~ DTD"_s);
    fila("entidad no declarada", "VersionWSPos", "{}", RespuestaPrueba("VersionWSPos", "<return>&x;</return>"), 200,
         u"error~ no es un XML válido"_s);
    fila("cortada", "VersionWSPos", "{}", RespuestaPrueba("VersionWSPos", "<return>1</return>").chopped(20), 200,
         u"error: La respuesta del servicio llegó incompleta"_s);
    fila("vacía", "VersionWSPos", "{}", "", 200, u"error: La respuesta del servicio llegó vacía"_s);
    fila("no es XML", "VersionWSPos", "{}", "10182", 200, u"error~ no es un XML válido"_s);
    fila("no es un sobre SOAP", "VersionWSPos", "{}", "<return>1</return>", 200,
         u"error: La respuesta del servicio no es un sobre SOAP"_s);
    fila("sobre de SOAP 1.2", "VersionWSPos", "{}",
         RespuestaPrueba("VersionWSPos", "<return>1</return>")
             .replace("http://schemas.xmlsoap.org/soap/envelope/", "http://www.w3.org/2003/05/soap-envelope"),
         200, u"error: La respuesta del servicio no es un sobre SOAP"_s);
    fila("cuerpo en otro espacio de nombres", "VersionWSPos", "{}",
         RespuestaPrueba("VersionWSPos", "<return>1</return>")
             .replace("<SOAP-ENV:Body", "<B:Body xmlns:B=\"urn:otro\"").replace("</SOAP-ENV:Body>", "</B:Body>"),
         200, u"error: El sobre SOAP no tiene cuerpo (Body)"_s);
}
