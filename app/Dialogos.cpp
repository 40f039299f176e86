#include "app/Dialogos.h"

QString Dialogos::nombre(Boton b)
{
    switch (b) {
    case OK: return QStringLiteral("OK");
    case Si: return QStringLiteral("Yes");
    case No: return QStringLiteral("No");
    default: return {};
    }
}

void Dialogos::encolar(Dialogo d)
{
    m_historial << d.texto;
    const QString texto = d.texto;
    m_cola.append(std::move(d));
    emit changed();
    emit mostrado(texto);
}

void Dialogos::MostrarMensaje(const QString &s) { encolar({QStringLiteral("informacion"), s, {OK}, OK, {}}); }

void Dialogos::Confirmar(const QString &pregunta, Accion siSi)
{
    encolar({QStringLiteral("confirmacion"), pregunta, {Si, No}, No, std::move(siSi)});
}

void Dialogos::MensajeSimple(const QString &s) { encolar({QStringLiteral("simple"), s, {OK}, OK, {}}); }

int Dialogos::MostrarMensajeDlg(const QString &s, const QString &tipo, const QList<Boton> &botones)
{
    encolar({tipo, s, botones, botones.contains(No) ? No : OK, {}});
    return m_ultimo;
}

QString Dialogos::texto() const { return m_cola.isEmpty() ? QString() : m_cola.first().texto; }

QString Dialogos::tipo() const { return m_cola.isEmpty() ? QString() : m_cola.first().tipo; }

QStringList Dialogos::botones() const
{
    QStringList r;
    if (!m_cola.isEmpty())
        for (Boton b : m_cola.first().botones)
            r << nombre(b);
    return r;
}

QString Dialogos::botonPorDefecto() const { return m_cola.isEmpty() ? QString() : nombre(m_cola.first().porDefecto); }

void Dialogos::responder(const QString &boton)
{
    if (m_cola.isEmpty())
        return;
    Dialogo d = m_cola.takeFirst();
    const bool si = boton == nombre(Si) && d.botones.contains(Si);
    m_ultimo = si ? Si : boton == nombre(OK) ? OK : No;
    emit changed();
    if (si && d.siSi)
        d.siSi();
}
