#pragma once

#include "feldort.h"
#include "karte.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>
#include <optional>

// The fields of all shown pages as one grid of cells, laid out as the pages
// lie side by side, so that strokes, fills and the edge brush run across page
// borders. Map pixels are those of the whole picture (page k at the place its
// surface has). Where a page is not a whole number of fields wide, or its
// fields end above its bottom edge, a column or row of gap cells keeps fields
// that do not touch on screen from counting as neighbours.
class FeldRaster
{
public:
    explicit FeldRaster(const TKarte &karte);

    // Cells across and down, gaps included; empty when the map shows no field.
    QSize groesse() const { return m_groesse; }
    bool leer() const { return m_groesse.isEmpty(); }

    // The field in a cell; none outside the grid, in a gap, on a page that
    // is not shown, or beyond the page's last field.
    std::optional<FeldOrt> ort(QPoint zelle) const;
    // The cell of a field that ort() gives.
    QPoint zelle(FeldOrt ort) const;
    // The cell under a map pixel; may lie outside the grid.
    QPoint zelleBei(QPoint kartenPixel) const;
    // The square of a cell in map pixels.
    QRect pixel(QPoint zelle) const;
    // True on the first pixel column or row of a page, where a press paints
    // nothing: neither do moves, and no preview shows there.
    bool amSeitenrand(QPoint kartenPixel) const;

    // Cell index for per-cell tables: y * width + x.
    int index(QPoint zelle) const { return zelle.y() * m_groesse.width() + zelle.x(); }
    bool imRaster(QPoint zelle) const { return QRect(QPoint(0, 0), m_groesse).contains(zelle); }

private:
    int m_spalten = 0;   // fields per row
    int m_zeilen = 0;    // rows of fields on a page
    int m_schrittX = 1;  // cells per page across, gap included
    int m_schrittY = 1;
    int m_felder = 0;
    int m_breite = 0;
    int m_hoehe = 0;
    int m_feldGroesse = 0;
    QSize m_groesse;
    std::array<std::array<std::uint8_t, 4>, 4> m_seiteBei{};   // [row][column], 0: none
};
