#include "app/Control.h"
#include "util/Numeros.h"
#include <algorithm>
#include <cmath>

namespace {
/// A spin box's text: up to `decimales` decimals, without trailing zeros.
QString textoNumero(double v, int decimales)
{
    QString t = QString::number(v, 'f', decimales);
    if (t.contains(u'.')) {
        while (t.endsWith(u'0'))
            t.chop(1);
        if (t.endsWith(u'.'))
            t.chop(1);
    }
    return t;
}
} // namespace

Control::Control(const QString &name, QObject *parent)
    : QObject(parent)
{
    setObjectName(name);
}

Control &Control::asNumber(double min, double max, double inicial, int decimales)
{
    m_numero = true;
    m_min = min;
    m_max = max;
    m_decimales = decimales;
    setValue(inicial);
    return *this;
}

void Control::setVisible(bool v)
{
    if (m_visible != v) {
        m_visible = v;
        emit changed();
    }
}

void Control::setEnabled(bool v)
{
    if (m_enabled != v) {
        m_enabled = v;
        emit changed();
    }
}

void Control::setText(const QString &t)
{
    if (m_numero) {
        const double leido = LeerReal(t);
        double v = std::clamp(leido, m_min, m_max);
        // A whole-number spin box holds the nearest whole value and shows it plainly, since
        // its text is read back as a whole number ("12.5" or "12.0" would read as 0).
        if (m_decimales == 0)
            v = std::round(v);
        // A decimal one shows what was put in it, as long as it reads as a number in range.
        const QString texto = m_decimales > 0 && leido == v ? t : textoNumero(v, m_decimales);
        const bool cambia = m_value != v || m_text != texto;
        m_value = v;
        m_text = texto;
        if (cambia)
            emit changed();
        return;
    }
    if (m_text != t) {
        m_text = t;
        emit changed();
    }
}

void Control::setChecked(bool v)
{
    if (m_checked != v) {
        m_checked = v;
        emit changed();
    }
}

void Control::setValue(double v)
{
    if (m_numero) {
        v = std::clamp(v, m_min, m_max);
        if (m_decimales == 0)
            v = std::round(v);
        const QString t = textoNumero(v, m_decimales);
        if (m_value == v && m_text == t)
            return;
        m_value = v;
        m_text = t;
        emit changed();
        return;
    }
    if (m_value != v) {
        m_value = v;
        emit changed();
    }
}

void Control::setItems(const QStringList &items)
{
    if (m_items != items) {
        m_items = items;
        emit changed();
    }
}

void Control::setItemIndex(int i)
{
    if (m_itemIndex != i) {
        m_itemIndex = i;
        emit changed();
    }
}

void Control::setOpacity(double o)
{
    if (m_opacity != o) {
        m_opacity = o;
        emit changed();
    }
}

void Control::setWidth(int w)
{
    if (m_width != w) {
        m_width = w;
        emit changed();
    }
}

void Control::edit(const QString &t)
{
    if (!m_enabled)
        return;
    setText(t);
    emit edited();
}

void Control::toggle(bool v)
{
    if (!m_enabled)
        return;
    setChecked(v);
    emit toggled();
}

void Control::choose(int i)
{
    if (!m_enabled)
        return;
    const bool cambia = i != m_itemIndex;
    setItemIndex(i);
    if (cambia)
        emit chosen();
}
