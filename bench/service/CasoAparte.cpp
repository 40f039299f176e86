#include "CasoAparte.h"
#include <QCoreApplication>
#include <QProcess>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>

CasoAparte CorrerAparte(const QStringList &argumentos)
{
    CasoAparte c;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), argumentos);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        c.error = QStringLiteral("el caso %1 terminó mal (%2)").arg(argumentos.join(u' ')).arg(p.exitCode());
        return c;
    }
    for (const QByteArray &linea : p.readAllStandardOutput().split('\n')) {
        const qsizetype igual = linea.indexOf('=');
        if (igual > 0)
            c.valores.insert(QString::fromLatin1(linea.first(igual)), linea.mid(igual + 1).toDouble());
    }
    c.picoResidenteKb = qint64(c.valores.value(QStringLiteral("pico_residente_kb")));
    c.bien = true;
    return c;
}

void Informar(const char *clave, double valor)
{
    std::printf("%s=%.6f\n", clave, valor);
    std::fflush(stdout);
}
