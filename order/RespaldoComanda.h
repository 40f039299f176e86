#pragma once
#include "storage/EscritorArchivo.h"
#include "order/ArchivoComanda.h"
#include <QObject>
#include <memory>

class Forma;

/// Keeps the comanda being composed in the data folder, so that a crash, a kill or a flat
/// battery loses nothing: written on every change (on a thread of its own, whole or not at
/// all), taken back at the next sign-in of the same user on the same server, removed once
/// the comanda is sent, found on the server or cancelled.
class RespaldoComanda : public QObject {
    Q_OBJECT
public:
    explicit RespaldoComanda(Forma &f);
    ~RespaldoComanda() override;

    /// After every change of the comanda: writes it, or removes the file once the comanda is
    /// fresh again. Nothing happens until the signed-in waiter's comanda has been restored.
    void Guardar();
    /// At a successful sign-in: takes back the comanda this user left for this server. A file
    /// that cannot be read, or left by another user or for another server, is set aside.
    void Restaurar();
    /// Waits until the last change is on the disk (a send waits for it before it goes out).
    void esperar();

    /// The comanda as it would be written now.
    [[nodiscard]] ComandaEnCurso actual() const;
    [[nodiscard]] QString ruta() const;

signals:
    /// A comanda was taken back into the state.
    void restaurada();

private:
    void Apartar(const QString &porque);
    void Fallo(const QString &error);

    Forma &f;
    std::unique_ptr<EscritorArchivo> m_escritor; // made at the sign-in, for its data folder
    QString m_usuario, m_servidor;               // whose comanda, for which server
    bool m_avisado = false;                      // a failed write already told
};
