#include "app/Dialogos.h"
#include <algorithm>

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

bool Dialogos::enCola(const QString &inicio) const
{
    return std::any_of(m_cola.cbegin(), m_cola.cend(), [&](const Dialogo &d) { return d.texto.startsWith(inicio); });
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
    emit changed();
    if (si && d.siSi)
        d.siSi();
}
