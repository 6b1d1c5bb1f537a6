#include "felderaendern.h"

#include "kartendokument.h"

FelderAendern::FelderAendern(KartenDokument &dokument, const QString &name, FeldAenderungen aenderungen, int strich,
                             QUndoCommand *parent)
    : QUndoCommand(name, parent), m_dokument(dokument), m_aenderungen(std::move(aenderungen)), m_strich(strich)
{
}

void FelderAendern::undo()
{
    emit m_dokument.felderGeaendert(m_aenderungen.anwenden(m_dokument.karteFuerBefehle(), true));
}

void FelderAendern::redo()
{
    emit m_dokument.felderGeaendert(m_aenderungen.anwenden(m_dokument.karteFuerBefehle(), false));
}

int FelderAendern::id() const
{
    return 1;
}

bool FelderAendern::mergeWith(const QUndoCommand *other)
{
    const auto *spaeter = static_cast<const FelderAendern *>(other);
    if (m_strich == 0 || spaeter->m_strich != m_strich)
        return false;
    m_aenderungen.anhaengen(spaeter->m_aenderungen);
    return true;
}
