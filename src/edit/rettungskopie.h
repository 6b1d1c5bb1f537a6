#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

struct TKarte;

// One copy left behind by an editor that did not end normally: the map as it
// was, and what the offer at start shows of it. The side file may be missing
// or damaged; then only the copy itself and its time are known.
struct Rettungskopie {
    QString kartenPfad;  // the copy of the map itself
    QString dateiname;   // the file the map belonged to, empty before the first save
    QString kartenName;
    QDateTime zeit;
};

// The folder of the copies in the user's local data folder.
QString RettungskopienOrdner();

// The copy of one running editor: ID.map with the map text and ID.json
// naming its file, its name and the time. A run is known by a random id, and
// it holds a lock (flock) on ID.lock while it lives. The kernel drops that
// lock when the process ends, however it ends, so a process id used again (a
// new PID namespace, a reboot) neither hides a copy nor gets to overwrite it.
// The folder is 0700 and the files 0600: the maps may be private. Both files
// go through the atomic writer, so a crash while writing keeps the previous
// copy whole.
class RettungsAblage
{
public:
    explicit RettungsAblage(QString ordner);
    // Removes the lock file; a copy written stays for the next start.
    ~RettungsAblage();
    RettungsAblage(const RettungsAblage &) = delete;
    RettungsAblage &operator=(const RettungsAblage &) = delete;

    // The first write makes the folder and takes the lock. Throws
    // InOutError when the folder, the lock or a file cannot be written.
    void schreiben(const TKarte &karte, const QString &dateiname);
    void entfernen() const;
    const QString &ordner() const { return m_ordner; }

private:
    void sperren();

    QString m_ordner;
    QString m_lauf;
    int m_sperre = -1;
};

// The copies whose editor no longer runs, newest first.
std::vector<Rettungskopie> VerwaisteRettungskopien(const QString &ordner);
void RettungskopieEntfernen(const Rettungskopie &kopie);
