#pragma once

#include "kartenstueck.h"

#include <QObject>

#include <optional>

// The system clipboard as the editor uses it: pieces of a map go in as our
// own type (and as text for other programs), and come out only when they
// are well-formed. Tells when a piece becomes available or goes.
class Zwischenablage : public QObject
{
    Q_OBJECT

public:
    explicit Zwischenablage(QObject *parent = nullptr);

    static void ablegen(const KartenStueck &stueck);
    static std::optional<KartenStueck> stueck();
    // A piece of a map is there to paste (its form is checked on pasting).
    static bool hatStueck();

signals:
    void stueckGewechselt(bool da);
};
