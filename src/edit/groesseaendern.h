#pragma once

#include "feldaenderungen.h"

#include <QUndoCommand>

class KartenDokument;

// Gives the map one of the standard sizes. Undo brings back the old sizes and
// every field the new size overwrote, pages that went away included.
class GroesseAendern : public QUndoCommand
{
public:
    GroesseAendern(KartenDokument &dokument, std::uint8_t seiten, QUndoCommand *parent = nullptr);

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
