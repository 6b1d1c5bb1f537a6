#pragma once

#include <QColor>
#include <QString>

// Writes three synthetic tile sheets into a folder: every 41-pixel grid cell
// of a sheet has its own palette colour, so a test can tell which cell an
// image was cut from. Returns the colour of a cell.
void TestBlaetterSchreiben(const QString &ordner);
QRgb ZellFarbe(int blatt, int spalte, int zeile);
// The one-pixel column that lies inside grid cell (2, 2) of Scene1 but outside
// the 39-pixel source of image 8, and the column at x 123 just left of image 9.
QRgb MarkierungsFarbe();
