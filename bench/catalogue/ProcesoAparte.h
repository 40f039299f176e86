#pragma once
// Each case of the catalogue benchmarks runs in a fresh process of this same program, so
// that no figure profits from memory an earlier case freed or from caches it warmed.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

/// The case this process was started for (TZ_BENCH_CASO), empty in the process that starts them.
[[nodiscard]] QByteArray CasoPedido();

/// Runs this program again for `caso` and answers the figures it printed ("cifra name value");
/// empty, with the reason in `error`, when it failed.
[[nodiscard]] QHash<QString, double> CorrerAparte(const QByteArray &caso, QString &error);

/// The figures of several runs of one case.
class Rondas {
public:
    void agregar(const QHash<QString, double> &cifras);
    [[nodiscard]] bool vacia() const { return m_valores.isEmpty(); }
    [[nodiscard]] double mediana(const QString &nombre) const;
    [[nodiscard]] double menor(const QString &nombre) const;
    [[nodiscard]] double mayor(const QString &nombre) const;
    /// "median (least .. most)" with `decimales` decimals.
    [[nodiscard]] QString texto(const QString &nombre, int decimales = 1) const;

private:
    QHash<QString, QList<double>> m_valores;
};

/// Prints one figure next to its goal: name, "median (range)", the goal and whether it is met.
/// `meta` < 0: no goal, shown for comparison.
void Linea(const Rondas &r, const QString &nombre, const char *texto, const char *unidad, double meta,
           bool menorEsMejor = true);
