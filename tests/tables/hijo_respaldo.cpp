// A waiter's client that works until it is killed: "comanda <folder>" composes a comanda
// change after change, "ajustes <folder>" saves the display settings again and again.
// Before each change it writes "aplicando <k>" to its standard output, unbuffered, so the
// test that kills it knows the last change it may have made.
#include "CambiosComanda.h"
#include "order/RespaldoComanda.h"
#include <QGuiApplication>
#include <unistd.h>

namespace {
void Anunciar(const QByteArray &linea)
{
    const QByteArray l = linea + '\n';
    [[maybe_unused]] const auto n = ::write(STDOUT_FILENO, l.constData(), size_t(l.size()));
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QByteArray modo = argv[1];
    FormaPrueba p({}, FormaPrueba::EnCarpeta{QString::fromLocal8Bit(argv[2])});
    Mesero m{p};
    if (!cambios::Empezar(p, m))
        return 3;
    p.f.respaldo().esperar();
    Anunciar("listo");
    for (int k = 1;; ++k) {
        Anunciar("aplicando " + QByteArray::number(k));
        if (modo == "ajustes") {
            cambios::GuardarAjustes(p.f, k);
        } else {
            cambios::Comanda(m, k);
            p.f.respaldo().esperar();
        }
    }
}
