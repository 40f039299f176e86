#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

/// One HTTP request as the sim sees it, whatever server library carried it.
struct PeticionHttp {
    QByteArray metodo; // "GET", "POST", ...
    QString ruta;      // path only, no query
    QByteArray host;   // Host header, used to write the endpoint into the description
    QByteArray accion; // SOAPAction header
    QByteArray cuerpo;
};

/// The answer to it, and how the server sends it: after a delay that holds the whole
/// server, later without holding it, one byte at a time, or not at all.
struct RespuestaHttp {
    enum class Corte {
        Ninguno,
        Cerrar, // no answer: the connection is closed
        Morir,  // no answer: the process ends at once, as a server killed
    };
    int estado = 200;
    QByteArray tipo = "text/plain; charset=utf-8";
    QByteArray cuerpo;
    int retrasoMs = 0; // the server sleeps this long before sending it, answering nobody meanwhile
    int tardeMs = 0;   // sent this much later; other requests are answered meanwhile
    int goteoMs = 0;   // sent one byte every goteoMs, status line and headers included
    Corte corte = Corte::Ninguno;
};

using ManejadorHttp = std::function<RespuestaHttp(const PeticionHttp &)>;
