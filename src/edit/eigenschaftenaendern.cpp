#include "eigenschaftenaendern.h"

#include "kartendokument.h"

EigenschaftenAendern::EigenschaftenAendern(KartenDokument &dokument, const QString &name, std::int32_t zeitLimit,
                                           QUndoCommand *parent)
    : QUndoCommand(QStringLiteral("Eigenschaften"), parent), m_dokument(dokument),
      m_alterName(dokument.karte().KartenName), m_neuerName(name), m_altesLimit(dokument.karte().ZeitLimit),
      m_neuesLimit(zeitLimit)
{
}

void EigenschaftenAendern::undo()
{
    setzen(m_alterName, m_altesLimit);
}

void EigenschaftenAendern::redo()
{
    setzen(m_neuerName, m_neuesLimit);
}

void EigenschaftenAendern::setzen(const QString &name, std::int32_t zeitLimit)
{
    TKarte &karte = m_dokument.karteFuerBefehle();
    karte.KartenName = name;
    karte.ZeitLimit = zeitLimit;
    emit m_dokument.eigenschaftenGeaendert();
}
