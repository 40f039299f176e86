#pragma once
#include <QStringList>

/// The cases a reading benchmark runs in a child process, over a reply file of
/// ListaProductoConFoto mapped in memory: `<caso> <archivo> <vueltas>`, with `caso`
///   libxml2         a bare pass of libxml2's xmlTextReader;
///   lector          our XML reader alone, no tree;
///   decodificar     the reply read in 64 KB pieces into TListaProducto;
///   json_qt         that, then the JSON text as itrazen-call made it before
///                   (QJsonDocument, indented, in memory);
///   json_flujo      that, then the JSON written piece by piece (EscritorJson) and dropped.
/// Reports for the parent (CasoAparte) the first run's time, peak memory in use and
/// time from the last piece to the objects, and the best time of all runs.
int CasoDeLectura(const QStringList &argumentos);
