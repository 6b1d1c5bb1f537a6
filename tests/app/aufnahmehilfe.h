#pragma once

#include "helpsystem.h"

#include <QList>
#include <QPair>

// Stands in for the help viewer and keeps every request it was sent.
class AufnahmeHilfe : public HelpSystem
{
public:
    using Anfrage = QPair<quint32, QVariant>;

    void request(quint32 command, const QVariant &data) override { anfragen << Anfrage(command, data); }

    QList<Anfrage> anfragen;
};
