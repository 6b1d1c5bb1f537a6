#pragma once

#include "datenordner.h"
#include "feldkatalog.h"
#include "karte.h"

#include <QImage>
#include <QStringList>

#include <array>
#include <span>

class QPainter;

// Where one tile image is cut from: a sheet (index into BlattNamen()) and a
// rectangle with right and bottom exclusive.
struct Ausschnitt
{
    int blatt;
    int links, oben, rechts, unten;
};

// "Scene1.scn", "Scene2.scn", "Scene3.scn".
std::span<const char *const> BlattNamen();

// The source of each of the 44 images. Image 8 is one pixel narrower and
// image 9 one pixel further right than the 41-pixel grid; images 41 and 42
// come from the same square.
const std::array<Ausschnitt, AnzahlFeldBilder> &BildAusschnitte();

// The start-up map: StandardFelderAnlegen, then the tile images from the
// sheets in `blattOrdner` (empty: the usual data folders). Throws AppError
// when a tile sheet is missing or broken; the sizes and grid are set by then.
void StandardKarteAnlegen(TKarte &karte, const QStringList &blattOrdner = {});

// Builds the 44 tile images of the map from Scene1.scn, Scene2.scn and
// Scene3.scn, looked up in the given folders. Throws AppError ("Datei %s kann
// nicht geöffnet werden", "Bitmap ist ungültig"); images not yet filled stay
// empty.
void FeldBilderErzeugen(TKarte &karte, const QStringList &ordner = DatenOrdner());

// Cuts one image from a sheet: right and bottom exclusive, scaled to
// FeldGroesse x FeldGroesse when the rectangle differs in size.
void BildAusschneiden(const TKarte &karte, QImage &ziel, const QImage &blatt,
                      int links, int oben, int rechts, int unten);

// Draws the image of a code as a square of the given edge at (x, y), a plain
// copy without scaling or blending.
void FeldZeichnen(const TKarte &karte, std::uint8_t code, QPainter &flaeche,
                  std::int32_t x, std::int32_t y, std::uint16_t kante);
