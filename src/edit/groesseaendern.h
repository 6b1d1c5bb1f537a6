#pragma once

#include "feldaenderungen.h"

#include <QUndoCommand>

#include <vector>

class KartenDokument;

// The pages whose terrain a change to `seiten` pages of 176 fields would
// drop: pages beyond the new count, and kept pages cut below fields they use,
// that hold anything but meadow (plain grass and the codes drawn like it).
std::vector<int> SeitenMitGelaende(const TKarte &karte, std::uint8_t seiten);

// Gives the map a size of 1 to 16 pages of 176 fields, or the sizes and
// fields of another map. Undo brings back the old sizes and every field the
// new size overwrote, pages that went away included.
class GroesseAendern : public QUndoCommand
{
public:
    GroesseAendern(KartenDokument &dokument, std::uint8_t seiten, QUndoCommand *parent = nullptr);
    // Takes the page geometry and every field of `neu`; name and time limit
    // stay.
    GroesseAendern(KartenDokument &dokument, const TKarte &neu, const QString &name, QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    struct Masse
    {
        std::int32_t anzahlFelder;
        std::uint8_t anzahlSeiten;
        std::uint16_t feldGroesse;
        std::int32_t seitenBreite;
        std::int32_t seitenHoehe;
    };

    static Masse masseVon(const TKarte &karte);
    void setzen(const Masse &masse, bool rueckwaerts);

    KartenDokument &m_dokument;
    Masse m_alt;
    Masse m_neu;
    FeldAenderungen m_felder;
};
