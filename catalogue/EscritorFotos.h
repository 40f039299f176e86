#pragma once
#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>

/// One product picture to write to its file, and the saved record to name it in once
/// it is there.
struct FotoPorEscribir {
    QByteArray bytes;   // shared with the product: never a copy
    QString ruta;       // the file, in the documents folder
    QString nombre;     // its name, as the saved record holds it
    int registro = -1;  // the saved record to name it in; -1 none
    QString id;         // the product and filter that record must still hold
    QString filtro;
};

/// Writes the catalogue's product pictures on a thread of its own, one file after the
/// other in the order asked, each replaced whole. The files written for a saved record
/// are handed back (tomarEscritas) for the record to be named: a file that could not
/// be written is never named.
class EscritorFotos : public QObject {
    Q_OBJECT
public:
    explicit EscritorFotos(QObject *parent = nullptr);
    /// Pictures not yet written are left: they are a cache, and none is named unwritten.
    ~EscritorFotos() override;

    void encolar(QList<FotoPorEscribir> fotos);
    /// Waits until every picture asked for is written (from any thread but its own).
    void esperar();
    /// The pictures written for a saved record since the last call, in order, without their bytes.
    [[nodiscard]] QList<FotoPorEscribir> tomarEscritas();
    /// Pictures asked for and not yet written.
    [[nodiscard]] int pendientes() const { return m_pendientes; }

signals:
    /// Some pictures for saved records were written (told once until tomarEscritas).
    void escritas();

private:
    QThreadPool m_hilo;
    std::atomic<bool> m_dejar{false};
    std::atomic<int> m_pendientes{0};
    QMutex m_mutex;
    QList<FotoPorEscribir> m_escritas;
};
