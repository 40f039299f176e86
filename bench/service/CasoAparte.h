#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

/// What a case run in a child process reported: the "clave=valor" lines of its standard
/// output, and the kernel's figure of its peak resident memory.
struct CasoAparte {
    QHash<QString, double> valores;
    qint64 picoResidenteKb = 0;
    bool bien = false;
    QString error;

    [[nodiscard]] double operator[](const QString &clave) const { return valores.value(clave); }
};

/// Runs this same program with `argumentos`, so that the case starts with the memory of
/// a fresh process (nothing freed by a previous case to reuse), and waits for it.
[[nodiscard]] CasoAparte CorrerAparte(const QStringList &argumentos);

/// In the child: one "clave=valor" line for the parent.
void Informar(const char *clave, double valor);
