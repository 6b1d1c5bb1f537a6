#include "felderschritt.h"

#include "kartendokument.h"

FelderSchritt::FelderSchritt(KartenDokument &dokument, const QString &name, FeldAenderungen aenderungen, int strich,
                             QUndoCommand *parent)
    : QUndoCommand(name, parent), m_dokument(dokument), m_aenderungen(std::move(aenderungen)), m_strich(strich)
{
}

void FelderSchritt::undo()
{
    emit m_dokument.felderGeaendert(m_aenderungen.anwenden(m_dokument.karteFuerBefehle(), true));
}

void FelderSchritt::redo()
{
    emit m_dokument.felderGeaendert(m_aenderungen.anwenden(m_dokument.karteFuerBefehle(), false));
}

int FelderSchritt::id() const
{
    return 1;
}

bool FelderSchritt::mergeWith(const QUndoCommand *other)
{
    const auto *spaeter = static_cast<const FelderSchritt *>(other);
    if (m_strich == 0 || spaeter->m_strich != m_strich)
        return false;
    m_aenderungen.anhaengen(spaeter->m_aenderungen);
    return true;
}
