#pragma once
#include <QString>
#include <QStringList>

/// How one run of a program ended, as the kernel reports it when it is reaped.
struct Corrida {
    int salida = -1;
    qint64 picoKb = 0; // peak resident memory
    qint64 ms = 0;
    QString error; // what it wrote to stderr
};

/// Runs `programa` with `argumentos` (its output to `archivoSalida`, /dev/null when
/// empty) while this thread's event loop goes on serving, and reaps it with its
/// resource use.
[[nodiscard]] Corrida CorrerPrograma(const QString &programa, const QStringList &argumentos,
                                     const QString &archivoSalida = {});
