#include "ProgramaMedido.h"
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

Corrida CorrerPrograma(const QString &programa, const QStringList &argumentos, const QString &archivoSalida)
{
    QTemporaryDir dir;
    const QByteArray ejecutable = programa.toLocal8Bit();
    QList<QByteArray> args{ejecutable};
    for (const QString &a : argumentos)
        args << a.toLocal8Bit();
    QList<char *> argv;
    for (QByteArray &a : args)
        argv << a.data();
    argv << nullptr;
    const QByteArray errores = dir.filePath(QStringLiteral("stderr")).toLocal8Bit();
    const QByteArray salida = archivoSalida.isEmpty() ? QByteArray("/dev/null") : archivoSalida.toLocal8Bit();
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 1, salida.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&acciones, 2, errores.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    Corrida c;
    QElapsedTimer reloj;
    reloj.start();
    pid_t pid = 0;
    const int fallo = posix_spawn(&pid, ejecutable.constData(), &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    if (fallo != 0)
        return c;
    QEventLoop bucle;
    QTimer mirar;
    QObject::connect(&mirar, &QTimer::timeout, &bucle, [&] {
        int estado = 0;
        struct rusage uso {};
        if (wait4(pid, &estado, WNOHANG, &uso) != pid)
            return;
        c.ms = reloj.elapsed();
        c.salida = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
        c.picoKb = uso.ru_maxrss;
        bucle.quit();
    });
    mirar.start(2);
    bucle.exec();
    QFile f(QString::fromLocal8Bit(errores));
    if (f.open(QIODevice::ReadOnly))
        c.error = QString::fromUtf8(f.readAll()).trimmed();
    return c;
}
