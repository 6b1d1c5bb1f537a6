#pragma once

#include "werkzeug.h"

#include <QKeySequence>

#include <cstdint>
#include <span>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The menus of the main window: the menu bar, NewMenu1 of the first tool
// button and the page menu PopupMenu1. Items keep their design names as object
// names and their help contexts as a property (hilfekontext.h).
class QActionGroup;

struct HauptMenue
{
    QAction *NeueKarte1 = nullptr;
    QAction *ffnen1 = nullptr;
    QMenu *Zuletzt1 = nullptr;
    QAction *Speichern1 = nullptr;
    QAction *Speichernunter1 = nullptr;
    QAction *AlsBildExportieren1 = nullptr;
    QAction *Beenden1 = nullptr;
    QAction *RckgngigBefehl1 = nullptr;
    QAction *Wiederherstellen1 = nullptr;
    QAction *Ausschneiden1 = nullptr;
    QAction *Kopieren1 = nullptr;
    QAction *Einfgen1 = nullptr;
    QAction *Lschen1 = nullptr;
    QAction *Eigenschaften1 = nullptr;
    QAction *Zufallskarte1 = nullptr;
    QAction *Gestalter1 = nullptr;
    QAction *Standardleiste1 = nullptr;
    QAction *Statusleiste1 = nullptr;
    QAction *Werkzeugleiste1 = nullptr;
    QAction *Darstellungerneuern1 = nullptr;
    QAction *Vergroessern1 = nullptr;
    QAction *Verkleinern1 = nullptr;
    QAction *Originalgroesse1 = nullptr;
    QAction *GanzeKarte1 = nullptr;
    QAction *Raster1 = nullptr;
    QAction *Uebersicht1 = nullptr;
    QAction *Optionen1 = nullptr;
    QAction *Hilfethemen1 = nullptr;
    QAction *Suchen1 = nullptr;
    QAction *Hilfeverwenden1 = nullptr;
    QAction *TipdesTages1 = nullptr;
    QAction *Infober1 = nullptr;
    QMenu *NewMenu1 = nullptr;
    QAction *LumerantKarte1 = nullptr;
    QMenu *PopupMenu1 = nullptr;

    // The tools under "&Karte" in the order of their list, one checked at a
    // time, and the edge brush.
    std::vector<QAction *> werkzeugPunkte;
    // Keeps one tool checked at a time; owned by the Karte menu.
    QActionGroup *werkzeugGruppe = nullptr;
    QAction *KantenAutomatisch1 = nullptr;
    QAction *KantenReparieren1 = nullptr;
    QAction *Kantenfehler1 = nullptr;
    // Paints plain meadow, plain sand and trees as variants of their family.
    QAction *Zufall1 = nullptr;

    // Tile items of "&Karte"; each action's data() is its tile code.
    std::vector<QAction *> feldPunkte;
};

// Fills the menu bar and creates the two popup menus as children of `fenster`;
// the tools' items come from their list.
HauptMenue HauptMenueAnlegen(QMenuBar &leiste, QWidget &fenster, std::span<const WerkzeugInfo> werkzeuge);

// Name of the property that marks the first item of a second menu column. Qt
// menus have a single column, so the break shows as a separator line and the
// items keep their order.
inline constexpr char SpaltenUmbruchEigenschaft[] = "spaltenUmbruch";
