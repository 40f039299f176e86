// Cold start to the first frame: the client in demo mode (software renderer, offscreen),
// next to a bare Qt Quick Controls window built the same way (the same style, one button),
// each started as a fresh process, in turn, several times. Goal: the client within 1.3
// times the bare window. Every figure is the time from starting the process to its first
// frame on screen, as the process that started it sees it.
#include "Ventana.h"
#include "app/ClienteSoap.h"
#include "shell/TTabbedForm.h"
#include "util/Archivos.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>
#include <algorithm>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(TrazenPlugin)

namespace {
/// Runs one start in this process and says when the first frame is out.
int Arrancar(const QByteArray &que, int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir datos;
    setCarpetaDocumentos(datos.path());
    std::unique_ptr<TTabbedForm> forma; // outlives the engine, whose bindings read it
    QQmlApplicationEngine motor;
    QQuickWindow *ventana = nullptr;
    if (que == "cliente") {
        Plataforma p;
        p.servicio = std::make_shared<ClienteSoap>();
        forma = std::make_unique<TTabbedForm>(p);
        ventana = CargarVentana(motor, *forma);
    } else {
        QQuickStyle::setStyle(QStringLiteral("Material"));
        motor.loadData("import QtQuick\nimport QtQuick.Controls\n"
                       "ApplicationWindow { visible: true; width: 452; height: 775; title: \"Vacia\"\n"
                       "  Button { anchors.centerIn: parent; text: \"Iniciar\" } }");
        ventana = motor.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(motor.rootObjects().first());
    }
    if (!ventana)
        return 2;
    QObject::connect(ventana, &QQuickWindow::frameSwapped, &app, [&] {
        std::fputs("primer-cuadro\n", stdout);
        std::fflush(stdout);
        app.quit();
    }, Qt::QueuedConnection);
    return QApplication::exec();
}

double Mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

class BenchArranque : public QObject {
    Q_OBJECT

    /// Starts this program once to do `que`; answers the ms to its first frame.
    static double Medir(const char *que)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TZ_ARRANQUE"), QString::fromLatin1(que));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        p.setProcessEnvironment(env);
        p.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer reloj;
        reloj.start();
        p.start(QCoreApplication::applicationFilePath(), {});
        QByteArray salida;
        while (!salida.contains("primer-cuadro") && p.waitForReadyRead(20000))
            salida += p.readAllStandardOutput();
        const double ms = double(reloj.nsecsElapsed()) / 1e6;
        p.waitForFinished(20000);
        return salida.contains("primer-cuadro") ? ms : -1;
    }

private slots:
    void arranqueEnFrio()
    {
        const int vueltas = qEnvironmentVariableIsSet("TZ_BENCH_RAPIDO") ? 1 : 9;
        QList<double> cliente, vacia;
        for (int i = 0; i < vueltas; ++i) { // in turn, so both see the same machine
            cliente << Medir("cliente");
            vacia << Medir("vacia");
            QVERIFY(cliente.last() > 0 && vacia.last() > 0);
        }
        qInfo("arranque hasta el primer cuadro, %d vueltas de cada uno (procesos nuevos)", vueltas);
        qInfo("  ventana vacia de Qt Quick Controls: primera %.1f ms, mediana %.1f ms", vacia.first(), Mediana(vacia));
        qInfo("  cliente en modo demostracion:       primera %.1f ms, mediana %.1f ms", cliente.first(), Mediana(cliente));
        qInfo("  razon (medianas): %.2f x   meta: <= 1.30 x", Mediana(cliente) / Mediana(vacia));
    }
};

int main(int argc, char **argv)
{
    const QByteArray que = qgetenv("TZ_ARRANQUE");
    if (!que.isEmpty())
        return Arrancar(que, argc, argv);
    QCoreApplication app(argc, argv);
    BenchArranque b;
    return QTest::qExec(&b, argc, argv);
}

#include "bench_arranque.moc"
