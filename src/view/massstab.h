#pragma once

#include <QPoint>
#include <QRect>

#include <array>

// The zoom steps of the view, in percent.
inline constexpr std::array<int, 9> ZoomStufen = {25, 33, 50, 67, 100, 150, 200, 300, 400};

// How map pixels lie on screen at a zoom. The edge before map pixel p lies at
// screen position floor(p * prozent / 100), and a screen pixel shows the last
// map pixel that begins at or before it. A field drawn over the screen
// rectangle of its map rectangle is therefore exactly the field that a hit
// test of any pixel in it finds, and pages that touch on the map touch on
// screen, at every zoom.
struct Massstab
{
    int prozent = 100;

    int aufFlaeche(int kartenPixel) const;
    int aufKarte(int flaechenPixel) const;
    QPoint aufFlaeche(QPoint kartenPunkt) const;
    QPoint aufKarte(QPoint flaechenPunkt) const;
    QRect aufFlaeche(const QRect &kartenRechteck) const;

    friend bool operator==(const Massstab &, const Massstab &) = default;
};

// A page's place under a zoom: converts between positions on its surface and
// pixels of the page. Every position and rectangle on a page surface goes
// through here, so that painting, hit tests and drawing agree at every zoom.
struct SeitenAbbildung
{
    Massstab massstab;
    // The page's top-left corner in map pixels (its cell times the page size).
    QPoint ursprung;

    // The pixel of the page shown at a position on its surface; positions
    // outside the surface give pixels outside the page.
    QPoint seitenPunkt(QPoint flaechenPunkt) const;
    // The part of the surface that shows a rectangle of the page.
    QRect flaechenRechteck(const QRect &seitenRechteck) const;
};

// The next step above or below a zoom (which need not be a step itself);
// the zoom itself at either end.
int NaechsteZoomStufe(int prozent, bool groesser);

// The zoom at which a map of `karte` pixels fits into `fenster`, within the
// smallest and largest step.
int PassenderZoom(QSize karte, QSize fenster);
