#pragma once
#include <QByteArray>
#include <QString>

/// One HTTP request as the sim sees it, whatever server library carried it.
struct PeticionHttp {
    QByteArray metodo; // "GET", "POST", ...
    QString ruta;      // path only, no query
    QByteArray host;   // Host header, used to write the endpoint into the description
    QByteArray accion; // SOAPAction header
    QByteArray cuerpo;
};

/// The answer to it; the server library waits `retrasoMs` before sending it.
struct RespuestaHttp {
    int estado = 200;
    QByteArray tipo = "text/plain; charset=utf-8";
    QByteArray cuerpo;
    int retrasoMs = 0;
};
