#pragma once

#include "feldentwurf.h"

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <span>

// Painting with "Kanten automatisch": a tile that paints a whole terrain
// (plain meadow and what stands on it, pure water, plain sand) sets the
// terrain of its fields' corners and keeps them; the terrain solver then
// changes as few other corners as it can until every field has a tile
// (saddles close towards the painted terrain; Wasser and Sand keep a field
// of Gras between them, the earlier one giving way), and only fields whose
// corners changed get a new tile. Other tiles, and everything without
// `kanten`, are stored as they are. Cells that name no field are skipped.

// The brush: the painted fields are water (say) to their corners, the
// borders lie round them.
void FelderMalen(FeldEntwurf &entwurf, const FeldRaster &raster, std::span<const QPoint> zellen, std::uint8_t code,
                 bool kanten);

// A rectangle or a filled region: the cells are the whole area, its border
// included; the corners inside take the terrain, those on its rim stay as
// they are, so the border is drawn inside. The map's outer edge needs no
// border. An area too thin to have a corner inside paints like the brush.
void FlaecheMalen(FeldEntwurf &entwurf, const FeldRaster &raster, std::span<const QPoint> zellen, std::uint8_t code,
                  bool kanten);

// Makes the fields of `zellen` (the whole map when empty) consistent with
// the fewest changes: every corner takes the terrain most fields around it
// show, the rules are applied, and only fields that do not show their
// corners change. Corners shared with fields outside stay as they are read.
void KantenReparieren(FeldEntwurf &entwurf, const FeldRaster &raster, QRect zellen = {});
