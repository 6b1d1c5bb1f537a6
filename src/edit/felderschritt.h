#pragma once

#include "feldaenderungen.h"

#include <QUndoCommand>

class KartenDokument;

// An edit step that changes tile codes: a stroke of the mouse, or any tool
// that stores codes in fields. The commands of one stroke merge into one step.
class FelderSchritt : public QUndoCommand
{
public:
    // `strich` names the stroke the changes belong to; 0 stands alone.
    FelderSchritt(KartenDokument &dokument, const QString &name, FeldAenderungen aenderungen, int strich = 0,
                  QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

    const FeldAenderungen &aenderungen() const { return m_aenderungen; }

private:
    KartenDokument &m_dokument;
    FeldAenderungen m_aenderungen;
    int m_strich;
};
