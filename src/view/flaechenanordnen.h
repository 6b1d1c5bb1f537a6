#pragma once

#include "karte.h"
#include "massstab.h"

#include <QSize>

#include <span>

class QWidget;
class TSeitenFlaeche;

// The extent of the visible pages in map pixels, as they are arranged.
QSize KartenUmfang(const TKarte &karte);

// Shows, hides, places and sizes the sixteen page surfaces for the map's page
// count and page size at a zoom, and sizes their container to the visible
// pages so that the scroll area's range follows them.

void SeitenAnordnen(const TKarte &karte, std::span<TSeitenFlaeche *const> flaechen, QWidget &inhalt,
                    const Massstab &massstab = {});
