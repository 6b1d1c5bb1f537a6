#pragma once

#include "apperror.h"
#include "bildformat.h"
#include "karte.h"

#include <QImage>

#include <cstdint>

// The largest picture of a whole map that is built, in pixels (both the
// picture at scale 1 and the scaled one count). Pages may be up to 16384
// pixels square, so a small forged map could otherwise ask for gigabytes.
constexpr std::int64_t MaxBildPixel = 100'000'000;

// Width and height of a picture, wide enough for any map at any scale.
struct BildMass
{
    std::int64_t breite = 0;
    std::int64_t hoehe = 0;
    std::int64_t pixel() const { return breite * hoehe; }
};

// The size of KartenBild(karte, massstab), computed without drawing.
BildMass KartenBildMass(const TKarte &karte, double massstab = 1.0);

// Thrown when a picture would exceed MaxBildPixel; the message names the
// size and the bound.
class BildZuGross : public AppError
{
public:
    explicit BildZuGross(BildMass mass);
};

// Throws BildZuGross unless the picture at this scale, and the one at scale 1
// it is made from, stay within MaxBildPixel; throws AppError for a scale
// outside MinMassstab..MaxMassstab.
void BildGroessePruefen(const TKarte &karte, double massstab = 1.0);

// All shown pages of a map in their square arrangement, as one picture, at
// the given scale (above 1 pixels are repeated, below 1 smoothed). Cells
// without a page stay grey, like the editor's empty page area. At scale 1 the
// picture is 8-bit indexed whenever the tile images share 256 colours, which
// makes it a quarter of the size and quick to encode. Throws BildZuGross
// before drawing anything too large.
QImage KartenBild(const TKarte &karte, double massstab = 1.0);

// The two ways KartenBild draws at scale 1: page images composed with a
// painter in 32 bits, or tile rows copied into an 8-bit picture (a null image
// when the tiles hold more than 256 colours). Both give the same pixels.
QImage KartenBild32(const TKarte &karte);
QImage KartenBildIndiziert(const TKarte &karte);

// Builds the picture of one page: white, with fields 1..AnzahlFelder drawn row
// by row. Shared by the page view and the renderer.
QImage SeitenBild(const TKarte &karte, int seite);

// One page at the given scale, scaled as KartenBild scales. Throws BildZuGross
// before drawing when the page or its scaled picture exceeds MaxBildPixel: a
// forged map's single page may be as large as a whole map.
QImage SeitenBild(const TKarte &karte, int seite, double massstab);
