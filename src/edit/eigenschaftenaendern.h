#pragma once

#include <QUndoCommand>

#include <cstdint>

class KartenDokument;

// Gives the map another name and time limit.
class EigenschaftenAendern : public QUndoCommand
{
public:
    EigenschaftenAendern(KartenDokument &dokument, const QString &name, std::int32_t zeitLimit,
                         QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    void setzen(const QString &name, std::int32_t zeitLimit);

    KartenDokument &m_dokument;
    QString m_alterName;
    QString m_neuerName;
    std::int32_t m_altesLimit;
    std::int32_t m_neuesLimit;
};
