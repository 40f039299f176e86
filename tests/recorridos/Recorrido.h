#pragma once
#include "FormaPrueba.h"
#include "Pantalla.h"
#include <QDir>
#include <QProcessEnvironment>
#include <QtTest>

/// Where the journeys leave their screenshots: $TZ_PANTALLAS when set (scripts/screens
/// points it at docs/screens), else the build folder's capturas/recorrido.
inline QString CarpetaCapturas()
{
    QString carpeta = QProcessEnvironment::systemEnvironment().value(QStringLiteral("TZ_PANTALLAS"));
    if (carpeta.isEmpty())
        carpeta = QStringLiteral(TZ_BUILD_DIR "/capturas/recorrido");
    QDir().mkpath(carpeta);
    return carpeta;
}

/// The position of the first tile of a list whose caption starts with `texto`, or -1.
inline int TilePorTexto(const TileList &l, const QString &texto)
{
    for (int i = 0; i < l.count(); ++i)
        if (l.tile(i).caption.startsWith(texto, Qt::CaseInsensitive))
            return i;
    return -1;
}

/// Taps, checking the item was there to tap.
#define TOCAR(v, nombre) QVERIFY2((v).tocar(QStringLiteral(nombre)), nombre)

/// Saves a screenshot of the journey under its name.
#define CAPTURAR(v, nombre)                                                                                        \
    QVERIFY(!(v).capturar(CarpetaCapturas() + QStringLiteral("/" nombre ".png")).isEmpty())
