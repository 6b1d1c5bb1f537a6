#pragma once

#include "feldort.h"
#include "karte.h"

#include <span>

class QPainter;
class QRect;
class TSeitenFlaeche;

// Draws a red frame over every field of `fehler` (sorted by page) that lies
// on this surface's page, inside `bereich`: on screen only, over the tiles,
// never into the map or a picture of it.
void KantenFehlerZeichnen(const TKarte &karte, const TSeitenFlaeche &flaeche, QPainter &painter,
                          const QRect &bereich, std::span<const FeldOrt> fehler);
