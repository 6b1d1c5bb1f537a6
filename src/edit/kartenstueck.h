#pragma once

#include "feldentwurf.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QMimeData;

// A rectangle of fields cut or copied from a map: its codes row by row, -1
// where the rectangle held no field (a gap between pages, beyond the map).
struct KartenStueck
{
    QSize groesse;
    std::vector<std::int16_t> codes;

    std::int16_t code(QPoint zelle) const { return codes[zelle.y() * groesse.width() + zelle.x()]; }
    bool operator==(const KartenStueck &) const = default;
};

// The clipboard type of a map piece; other programs get plain text of codes.
inline constexpr char KartenStueckMime[] = "application/x-zendaro-felder";

// The fields of a rectangle of cells, cut to the grid; empty outside it.
KartenStueck StueckKopieren(const FeldEntwurf &entwurf, const FeldRaster &raster, QRect zellen);

// Lays the piece's fields down with its top-left cell at `ziel`; parts that
// fall outside the map or on no field are dropped.
void StueckEinfuegen(FeldEntwurf &entwurf, const FeldRaster &raster, const KartenStueck &stueck, QPoint ziel);

// The piece as clipboard data: our own type and plain text, rows of codes.
QMimeData *StueckAlsMime(const KartenStueck &stueck);
// The piece in clipboard data of our type; none when it is missing or not
// well-formed (the data may come from any program).
std::optional<KartenStueck> StueckAusMime(const QMimeData *daten);

// The text forms, as stored under the two types.
QByteArray StueckDaten(const KartenStueck &stueck);
std::optional<KartenStueck> StueckLesen(const QByteArray &daten);
QString StueckText(const KartenStueck &stueck);
