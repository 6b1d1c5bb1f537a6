#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

struct TKarte;

// One recovery copy found in the folder: the map as it was, and what the
// list at start shows of it.
struct Wiederherstellungskopie {
    QString kartenPfad;  // the copy of the map itself
    QString dateiname;   // the file the map belonged to, empty before the first save
    QString kartenName;
    QDateTime zeit;
    qint64 prozess = 0;
};

// The folder of the recovery copies in the user's local data folder.
QString WiederherstellungsOrdner();

// The recovery copy of one running editor: the map text and a small side
// file naming its file, its name, the time and the writing process, so that
// the copy of an editor still running is never offered. Both go through
// the atomic writer: a crash while writing leaves the previous copy whole.
class Wiederherstellung
{
public:
    explicit Wiederherstellung(QString ordner, qint64 prozess);

    // Throws InOutError when the folder or a file cannot be written.
    void schreiben(const TKarte &karte, const QString &dateiname) const;
    void entfernen() const;
    const QString &ordner() const { return m_ordner; }

private:
    QString m_ordner;
    qint64 m_prozess;
};

// The copies left behind by editors that are no longer running, newest first.
std::vector<Wiederherstellungskopie> VerwaisteKopien(const QString &ordner);
void KopieEntfernen(const Wiederherstellungskopie &kopie);
