#include "kitchen/CentroBandeja.h"
#include "kitchen/TituloNotificacion.h"
#include <QPainter>
#include <QPixmap>
#include <QtWidgets/QSystemTrayIcon>

namespace {
/// A round coral badge with the number, so the tray itself says how many dishes wait.
QIcon IconoConNumero(int numero)
{
    QPixmap p(64, 64);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(0xff, 0x7f, 0x50));
    g.setPen(Qt::NoPen);
    g.drawEllipse(2, 2, 60, 60);
    QFont letra = g.font();
    letra.setBold(true);
    letra.setPixelSize(numero > 99 ? 24 : 34);
    g.setFont(letra);
    g.setPen(Qt::white);
    g.drawText(p.rect(), Qt::AlignCenter, numero > 999 ? QStringLiteral("+") : QString::number(numero));
    g.end();
    return QIcon(p);
}
} // namespace

CentroBandeja::CentroBandeja(QObject *parent)
    : CentroProgramado(parent), m_icono(std::make_unique<QSystemTrayIcon>())
{
}

CentroBandeja::~CentroBandeja() = default;

void CentroBandeja::mostrar(const Notificacion &n)
{
    m_nombre = n.nombre;
    m_icono->setIcon(IconoConNumero(n.numero));
    m_icono->setToolTip(n.cuerpo);
    m_icono->show();
    m_icono->showMessage(TituloNotificacion(n), n.cuerpo, QSystemTrayIcon::Information);
}

void CentroBandeja::retirar(const QString &nombre)
{
    if (nombre == m_nombre) {
        m_icono->hide();
        m_nombre.clear();
    }
}
