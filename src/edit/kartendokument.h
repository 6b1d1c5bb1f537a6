#pragma once

#include "feldaenderungen.h"
#include "karte.h"
#include "karteneigenschaften.h"
#include "zufallskarte.h"

#include <QObject>
#include <QUndoStack>

#include <span>
#include <vector>

// The largest field edge the editor opens; the properties dialog offers no
// more either.
constexpr int MaxFeldGroesse = 500;

// The one open map with its file name and its edit history. Every change of
// the map goes through here as an undo step; the windows repaint from the
// signals. The map counts as modified exactly when it differs from the state
// it was last saved, opened or created in.
class KartenDokument : public QObject
{
    Q_OBJECT

public:
    explicit KartenDokument(QObject *parent = nullptr);
    ~KartenDokument() override;

    const TKarte &karte() const { return m_karte; }
    QUndoStack &verlauf() { return m_verlauf; }
    const QString &dateiname() const { return m_dateiname; }
    void dateinameSetzen(const QString &dateiname);
    bool istGeaendert() const { return !m_verlauf.isClean(); }

    // The random start-up map with the tile images; the history starts empty.
    // Throws AppError when a tile sheet is missing or broken.
    void startKarteAnlegen(const QStringList &blattOrdner = {});
    // A new map of meadow only, with the given name, time limit and size.
    void neu(const KartenEigenschaften &eigenschaften);
    // Reads a map file; true when it held a map, which then replaces this one
    // and its history. Throws InOutError like DateiLesen, and AppError for a
    // field size beyond MaxFeldGroesse, leaving this map as it was.
    bool oeffnen(const QString &pfad);
    // Reads a recovery copy like oeffnen, but the map has no file and counts
    // as modified: it was never saved in this state, and the copy's note of
    // its file is no reason for the next Save to write there.
    bool rettungskopieOeffnen(const QString &kopie);
    // Writes the map under its name and files it under `pfad`; the current
    // state becomes the saved one. Throws InOutError like DateiSchreiben.
    // `direkt` writes into the existing file in place, which is not atomic:
    // for a folder that takes no new file.
    void speichern(const QString &pfad, bool direkt = false);
    // Lets go of the tile images when the program ends.
    void feldBilderFreigeben();

    // A stroke of the mouse: everything painted between begin and end is one
    // step, however many fields it covers.
    void strichBeginnen();
    void strichBeenden();
    // Stores a code in a field, within the open stroke if there is one. A
    // field that names nothing or already holds the code changes nothing and
    // adds no step. True when the field changed.
    bool feldMalen(FeldOrt ort, std::uint8_t code);
    // Stores codes in fields as one step under `name` (part of the open
    // stroke, if any). Fields that name nothing or already hold their code are
    // left out; when none remains, no step is added. True when a field changed.
    bool felderSetzen(const QString &name, std::span<const FeldCode> felder);
    // The properties dialog's OK: name, time limit and size as one step,
    // "Größe" when the size changes, else "Eigenschaften". Adds no step when
    // nothing differs.
    void eigenschaftenAendern(const KartenEigenschaften &eigenschaften);
    // Replaces size and fields with a random map as one step "Zufallskarte";
    // name and time limit stay.
    void zufallskarteAnlegen(const ZufallskartenEinstellungen &einstellungen);

    // Only for undo commands, which change the map in their redo() and undo()
    // and report it through the signals below.
    TKarte &karteFuerBefehle() { return m_karte; }

    // The name of the painting step.
    static QString malenText() { return QStringLiteral("Malen"); }

signals:
    // Tile codes of these fields changed; their squares need repainting.
    void felderGeaendert(const std::vector<FeldOrt> &felder);
    // Page count or page size changed, or another map took this one's place:
    // the pages need a new layout and a full repaint.
    void anordnungGeaendert();
    // The map's name or time limit changed.
    void eigenschaftenGeaendert();
    void dateinameGeaendert(const QString &dateiname);
    // The map became modified, or went back to its saved state.
    void geaendertGewechselt(bool geaendert);

private:
    // Start of a new map: no history, not modified, everything relaid.
    void neuBeginnen();
    // DateiLesen through a scratch map, with the field size bound.
    bool lesen(const QString &pfad);

    TKarte m_karte;
    QString m_dateiname;
    QUndoStack m_verlauf;
    int m_strich = 0;
    int m_letzterStrich = 0;
};
