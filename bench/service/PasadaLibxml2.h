#pragma once
#include <QByteArrayView>

/// A bare pass of libxml2's xmlTextReader over a document: every node read, nothing
/// kept; the elements it met. The reference every reading of ours is measured against.
qint64 PasadaLibxml2(QByteArrayView documento);
