#pragma once

#include "feldbildsatz.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

// The grid's room: pages 1..33, fields 1..560 per page (index 0 is unused so
// that page and field numbers index it directly).
constexpr int MaxSeiten = 33;
constexpr int MaxFelder = 560;

// The one map document: plain data, changed by the free functions below, by
// the file reader and by the properties dialog.
struct TKarte
{
    QString Kopfzeile1;
    QString Kopfzeile2;
    QString KartenName;
    std::array<std::array<std::uint8_t, MaxFelder + 1>, MaxSeiten + 1> Felder{};
    std::int32_t ZeitLimit = 0;
    std::int32_t AnzahlFelder = 0;
    std::uint8_t AnzahlSeiten = 0;
    std::uint16_t FeldGroesse = 0;
    std::int32_t SeitenBreite = 0;
    std::int32_t SeitenHoehe = 0;
    FeldBildSatz FeldBilder;
};

// Fields on every page of a standard size: 16 columns by 11 rows.
constexpr std::int32_t StandardFelder = 176;

// Sizes and a pseudo-random grid of 4 pages x 176 fields (codes 0..3), the
// same at every start. Name, time limit and tile images are left as they are;
// StandardKarteAnlegen (feldbilder.h) adds the images.
void StandardFelderAnlegen(TKarte &karte);

// Fields per row: SeitenBreite div FeldGroesse, 0 when the field size is 0.
std::int32_t Spalten(const TKarte &karte);

// Field number under a pixel position of a page, counted from 1, row by row.
// No range check; 0 when the geometry has no columns.
std::int32_t FeldNummer(const TKarte &karte, std::int32_t x, std::int32_t y);

// The square a field number occupies on its page.
QRect FeldRechteck(const TKarte &karte, std::int32_t feldNummer);

// True when a pixel position lies on a field of the page: inside the page,
// left of the uncovered strip beyond the last whole column, and on a field
// number up to AnzahlFelder (a last row the page cuts counts).
bool FeldAnPosition(const TKarte &karte, std::int32_t x, std::int32_t y);

// Stores the code in Felder[seite, feldNummer] and returns the field's square,
// which the caller repaints (widgets draw only in their paint events). Numbers
// outside the grid's room or beyond AnzahlFelder store nothing and give an
// empty rectangle.
QRect FeldSetzen(TKarte &karte, std::int32_t feldNummer, std::uint8_t seite, std::uint8_t code);

// True when the map has the standard size of `seiten` pages.
bool HatStandardGroesse(const TKarte &karte, std::uint8_t seiten);

// Gives the map one of the standard sizes (pages of 176 fields, 640 x 440
// pixels, field size 40). Pages that remain keep their fields; new pages and
// fields become meadow (code 1).
void StandardGroesseSetzen(TKarte &karte, std::uint8_t seiten);
