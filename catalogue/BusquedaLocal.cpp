#include "catalogue/BusquedaLocal.h"
#include "util/Textos.h"

QString IdentidadProducto(const TProducto &p) { return p.ID + u'\x1f' + p.Descripcion; }

QString ClaveBusqueda(const TProducto &p)
{
    QString clave = p.Descripcion + u'\n' + p.ID;
    for (const QString *b : {&p.Barcode1, &p.Barcode2, &p.Barcode3, &p.Barcode4, &p.Barcode5})
        if (!b->isEmpty())
            clave += u'\n' + *b;
    return Normalizar(clave);
}

QStringList PalabrasBusqueda(const QString &texto)
{
    QStringList palabras;
    const QString n = Normalizar(texto);
    qsizetype inicio = -1;
    // Blanks and control characters part the words, as Recortar takes them.
    for (qsizetype i = 0; i <= n.size(); ++i) {
        const bool blanco = i == n.size() || n[i].unicode() <= u' ';
        if (!blanco && inicio < 0)
            inicio = i;
        else if (blanco && inicio >= 0) {
            palabras << n.mid(inicio, i - inicio);
            inicio = -1;
        }
    }
    return palabras;
}

bool Coincide(QStringView clave, const QStringList &palabras)
{
    for (const QString &p : palabras)
        if (!clave.contains(p))
            return false;
    return !palabras.isEmpty();
}

QList<int> Coincidencias(const QList<QString> &claves, const QStringList &palabras)
{
    QList<int> r;
    if (palabras.isEmpty())
        return r;
    for (qsizetype i = 0; i < claves.size(); ++i)
        if (Coincide(claves[i], palabras))
            r.append(int(i));
    return r;
}
