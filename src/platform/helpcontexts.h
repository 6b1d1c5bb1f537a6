#pragma once

#include <QtGlobal>

#include <array>

// The help context numbers the menus carry. Each one names a page of the help
// collection (its identifier there is the number as text); the help test holds
// the collection to this list.
namespace HilfeKontext {

inline constexpr quint32 Keiner = 0;

// "&Datei" (with the hidden "&Neu" > "&Karte")
inline constexpr quint32 NeuKarte = 10101;
inline constexpr quint32 Oeffnen = 10102;
inline constexpr quint32 Speichern = 10103;
inline constexpr quint32 SpeichernUnter = 10104;
inline constexpr quint32 Beenden = 10105;
inline constexpr quint32 AlsBildExportieren = 10106;

// "&Bearbeiten"
inline constexpr quint32 Rueckgaengig = 10121;
inline constexpr quint32 Wiederherstellen = 10122;
inline constexpr quint32 Ausschneiden = 10123;
inline constexpr quint32 Kopieren = 10124;
inline constexpr quint32 Einfuegen = 10125;
inline constexpr quint32 Loeschen = 10126;

// "&Einheiten": the menu's own number, its objects (the separator after
// "S&traße"), its figures (the separators around "&Figuren"), "&Ereignisse"
// and "&Benutzerdefiniert"
inline constexpr quint32 Einheiten = 10141;
inline constexpr quint32 EinheitenObjekte = 10114;
inline constexpr quint32 EinheitenFiguren = 10116;
inline constexpr quint32 EinheitenEreignisse = 10151;
inline constexpr quint32 EinheitenBenutzerdefiniert = 10142;

// "&Karte": "&Wiese", then "&Bäume", "&Wasser", "&Sand" and the separators
// between them, "- nichts -" under "&Benutzerdefiniert", "&Eigenschaften"
inline constexpr quint32 Wiese = 10161;
inline constexpr quint32 Landschaft = 10118;
inline constexpr quint32 BenutzerdefiniertNichts = 10162;
inline constexpr quint32 Eigenschaften = 10163;
// The tools and the edge brush under "&Karte"
inline constexpr quint32 Pinsel = 10164;
inline constexpr quint32 Fuellen = 10165;
inline constexpr quint32 Rechteck = 10166;
inline constexpr quint32 Auswahl = 10167;
inline constexpr quint32 KantenAutomatisch = 10168;
inline constexpr quint32 KantenReparieren = 10170;
inline constexpr quint32 Pipette = 10169;
// Random maps
inline constexpr quint32 Zufallskarte = 10175;
inline constexpr quint32 Zufall = 10176; // painting with variants

// "&Ansicht"
inline constexpr quint32 Gestalter = 10181;
inline constexpr quint32 Standardleiste = 10182;
inline constexpr quint32 Statusleiste = 10183;
inline constexpr quint32 Werkzeugleiste = 10184;
inline constexpr quint32 DarstellungErneuern = 10185;
inline constexpr quint32 Zoom = 10186; // the four zoom items share their page
inline constexpr quint32 Raster = 10187;
inline constexpr quint32 Uebersicht = 10188;
inline constexpr quint32 KantenfehlerZeigen = 10189;

// "E&xtras"
inline constexpr quint32 NeueRessource = 10201;
inline constexpr quint32 Optionen = 10202; // the item and its dialog
inline constexpr quint32 VistrelSE = 10211;
inline constexpr quint32 Audiorecorder = 10213;
inline constexpr quint32 Medienwiedergabe = 10214;
inline constexpr quint32 Makrorecorder = 10215;

// "&?"
inline constexpr quint32 Hilfethemen = 10221;
inline constexpr quint32 Suchen = 10222;
inline constexpr quint32 Assistent = 10223;
inline constexpr quint32 HilfeVerwenden = 10224;
inline constexpr quint32 InfoUeber = 10225;

inline constexpr std::array Alle = {
    NeuKarte, Oeffnen, Speichern, SpeichernUnter, Beenden, AlsBildExportieren,
    Rueckgaengig, Wiederherstellen, Ausschneiden, Kopieren, Einfuegen, Loeschen,
    Einheiten, EinheitenObjekte, EinheitenFiguren, EinheitenEreignisse, EinheitenBenutzerdefiniert,
    Wiese, Landschaft, BenutzerdefiniertNichts, Eigenschaften, Pinsel, Fuellen, Rechteck, Auswahl, KantenAutomatisch,
    KantenReparieren,
    Pipette,
    Zufallskarte, Zufall,
    Gestalter, Standardleiste, Statusleiste, Werkzeugleiste, DarstellungErneuern, Zoom, Raster, Uebersicht,
    KantenfehlerZeigen,
    NeueRessource, Optionen, VistrelSE, Audiorecorder, Medienwiedergabe, Makrorecorder,
    Hilfethemen, Suchen, Assistent, HilfeVerwenden, InfoUeber,
};

} // namespace HilfeKontext
