#pragma once
#include "app/AlmacenImagenes.h"
#include <QColor>
#include <QString>

/// One tile of a tile list.
struct Tile {
    QString caption;        // a carriage return inside is a line break
    QString notes;
    QString detailCaption;
    QString detailNotes;
    QString picture;        // "" none, "image://tz/<id>" or "store:<name>" (a named picture store)
    ImagenRetenida imagen;  // what keeps an "image://tz/" picture in the store
    int tag = 0;            // the record's key
    QString badge;          // "" none
    bool selectable = true;
    int colSpan = 1;
    int rowSpan = 1;
};

/// How a tile is drawn, as the list's drawing callback decides it.
struct AspectoTile {
    QColor relleno = Qt::white;
    double opacidad = 1.0;
    QColor colorTexto = Qt::black;
    int tamFuente = 12;
    /// Caption area height: lineasTexto × the height of "W" + extraTexto; 0 lines fills the tile.
    int lineasTexto = 0;
    int extraTexto = 0;
    bool mostrarImagen = false;
    bool borde = false;
    int margenIzq = 0, margenDer = 0, margenSup = 0, margenInf = 0;
};
