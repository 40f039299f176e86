#include "ProcesoAparte.h"
#include <QCoreApplication>
#include <QProcess>
#include <algorithm>
#include <cstdio>

QByteArray CasoPedido() { return qgetenv("TZ_BENCH_CASO"); }

QHash<QString, double> CorrerAparte(const QByteArray &caso, QString &error)
{
    QProcess hijo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TZ_BENCH_CASO"), QString::fromUtf8(caso));
    hijo.setProcessEnvironment(env);
    hijo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    hijo.start(QCoreApplication::applicationFilePath(), {});
    QHash<QString, double> cifras;
    if (!hijo.waitForFinished(600000) || hijo.exitStatus() != QProcess::NormalExit || hijo.exitCode() != 0) {
        error = QStringLiteral("el caso %1 terminó mal (%2)").arg(QString::fromUtf8(caso)).arg(hijo.exitCode());
        hijo.kill();
        return cifras;
    }
    for (const QByteArray &l : hijo.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> partes = l.trimmed().split(' ');
        if (partes.size() == 3 && partes[0] == "cifra")
            cifras.insert(QString::fromUtf8(partes[1]), partes[2].toDouble());
    }
    if (cifras.isEmpty())
        error = QStringLiteral("el caso %1 no dio cifras").arg(QString::fromUtf8(caso));
    return cifras;
}

void Rondas::agregar(const QHash<QString, double> &cifras)
{
    for (auto it = cifras.cbegin(); it != cifras.cend(); ++it)
        m_valores[it.key()] << it.value();
}

double Rondas::mediana(const QString &nombre) const
{
    QList<double> v = m_valores.value(nombre);
    if (v.isEmpty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Rondas::menor(const QString &nombre) const
{
    const QList<double> v = m_valores.value(nombre);
    return v.isEmpty() ? 0 : *std::min_element(v.begin(), v.end());
}

double Rondas::mayor(const QString &nombre) const
{
    const QList<double> v = m_valores.value(nombre);
    return v.isEmpty() ? 0 : *std::max_element(v.begin(), v.end());
}

QString Rondas::texto(const QString &nombre, int decimales) const
{
    return QStringLiteral("%1 (%2 .. %3)")
        .arg(mediana(nombre), 0, 'f', decimales)
        .arg(menor(nombre), 0, 'f', decimales)
        .arg(mayor(nombre), 0, 'f', decimales);
}

void Linea(const Rondas &r, const QString &nombre, const char *texto, const char *unidad, double meta, bool menorEsMejor)
{
    QString objetivo = QStringLiteral("sin meta");
    if (meta >= 0) {
        // The goal is met by the worst run, not only by the median.
        const double peor = menorEsMejor ? r.mayor(nombre) : r.menor(nombre);
        const bool cumple = menorEsMejor ? peor <= meta : peor >= meta;
        objetivo = QStringLiteral("meta %1 %2 %3  %4")
                       .arg(QChar(menorEsMejor ? u'≤' : u'≥'))
                       .arg(meta)
                       .arg(QString::fromUtf8(unidad), cumple ? QStringLiteral("cumple") : QStringLiteral("NO CUMPLE"));
    }
    std::printf("  %-44s %28s %-3s   %s\n", texto, r.texto(nombre).toUtf8().constData(), unidad, objetivo.toUtf8().constData());
    std::fflush(stdout);
}
