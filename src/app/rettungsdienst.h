#pragma once

#include "rettungskopie.h"

#include <QObject>
#include <QTimer>

#include <optional>

class KartenDokument;
class QWidget;

// Keeps a copy of the modified map for the case that the editor does not end
// normally, and offers the copies of such editors at the next start. A change
// reaches the copy at most `abstandMs` later, also while painting goes on
// without a pause, and the copy is written at most once in that time: a
// crash loses at most the last two seconds, at the cost of one small write
// every two seconds of painting.
class Rettungsdienst : public QObject
{
    Q_OBJECT

public:
    Rettungsdienst(KartenDokument &dokument, const QString &ordner, QObject *parent = nullptr,
                   int abstandMs = 2000);

    // Offers the copies of editors that did not end normally. When one was
    // opened, the file its map belonged to (empty before its first save).
    std::optional<QString> anbieten(QWidget *fenster);
    // The program ends normally: there is nothing left to recover.
    void beenden();

private:
    void geaendert();
    bool schreiben();
    void entfernen();
    // Opens the chosen copy; on failure says why and offers to discard it.
    bool retten(const Rettungskopie &kopie, QWidget *fenster);

    KartenDokument &m_dokument;
    RettungsAblage m_ablage;
    // Runs from the first change not yet in the copy.
    QTimer m_abstand;
};
