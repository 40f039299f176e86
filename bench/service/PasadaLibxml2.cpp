#include "PasadaLibxml2.h"
#include <libxml/xmlreader.h>

qint64 PasadaLibxml2(QByteArrayView documento)
{
    // XML_PARSE_HUGE: a picture is a text node longer than its default limit.
    xmlTextReaderPtr r = xmlReaderForMemory(documento.data(), int(documento.size()), nullptr, nullptr,
                                            XML_PARSE_NONET | XML_PARSE_HUGE);
    qint64 elementos = 0;
    int estado = 0;
    while ((estado = xmlTextReaderRead(r)) == 1)
        if (xmlTextReaderNodeType(r) == XML_READER_TYPE_ELEMENT)
            ++elementos;
    xmlFreeTextReader(r);
    return estado == 0 ? elementos : -1;
}
