#pragma once

#include "bildformat.h"
#include "karte.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The file's bytes for a picture. Throws AppError when it cannot be encoded.
QByteArray BildDaten(const QImage &bild, BildFormat format);

// Draws the whole map at the given scale and writes it in the format its
// name asks for. Throws BildZuGross before drawing a picture that is too
// large, AppError for an unknown extension, InOutError when writing fails.
void KartenBildSchreiben(const TKarte &karte, const QString &dateiName, double massstab = 1.0);
