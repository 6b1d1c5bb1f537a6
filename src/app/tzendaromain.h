#pragma once

#include "einstellungen.h"
#include "hauptmenue.h"
#include "kartenansicht.h"
#include "optionen.h"

#include <QCursor>
#include <QMainWindow>

#include <array>
#include <functional>
#include <cstdint>
#include <memory>

class BildExport;
class QFileDialog;
class QFrame;
class QSettings;
class HelpSystem;
class KartenDokument;
class QLabel;
class QTimer;
class Rettungsdienst;
class SoundPlayer;
class TAboutBox;
class TDialog1;
class TZufallskarteDlg;
class TGestalter;
class TUebersicht;
class TOptionenDlg;
class TPalettenLeiste;
class TStandardleiste;
class TStatusLeiste;
class TTips;
class Werkzeugsteuerung;

// The answer of the save prompt. Abgebrochen also stands for a Yes whose
// Save wrote nothing: the calling command must not go on and lose the map.
enum class SpeicherAntwort : std::uint8_t { Gespeichert = 0, NichtGespeichert = 1, Abgebrochen };

// The main window ZendaroMain: a frame that holds the map document, the
// tools and the view and wires them to the menus, bars and dialogs; the
// handlers are named after their control and event.
class TZendaroMain : public QMainWindow
{
    Q_OBJECT

public:
    // The player is where the group sounds go and the help system where the
    // help requests go; tests pass recorders. The help system must outlive
    // the window.
    TZendaroMain(std::unique_ptr<SoundPlayer> player, HelpSystem &hilfe, QWidget *parent = nullptr);
    ~TZendaroMain() override;

    // The one map, its file name and its edit history.
    KartenDokument *Dokument;
    // The painting tools; they change the map through the document.
    Werkzeugsteuerung *Werkzeuge;
    std::uint8_t AktuellerFeldtyp = 0;
    // The map view with the page surfaces; the names below are its state.
    KartenAnsicht *ScrollBox1;
    std::int32_t &AktuelleSeite;
    bool &MalenAktiv;
    const std::array<TSeitenFlaeche *, 16> &PaintBoxen;
    const Massstab &Zoom;
    // The map differs from the state it was last saved, opened or created in.
    bool KarteGeaendert() const;
    QStringList ZuletztGeoeffnet;
    std::uint8_t SymbolPhase = 0;

    HauptMenue Menue;
    TStandardleiste *Panel1;
    TPalettenLeiste *HolderPanel;
    QFrame *Bevel1;
    TStatusLeiste *StatusBar1;
    // The zoom of the page view in the status bar.
    QLabel *ZoomAnzeige;
    QTimer *Timer2;
    QFileDialog *OpenDialog1;
    QFileDialog *SaveDialog1;
    BildExport *BildExporter = nullptr;
    TDialog1 *Dialog1 = nullptr;
    TZufallskarteDlg *ZufallskarteDlg = nullptr; // made at its first use
    TGestalter *Gestalter = nullptr;
    TUebersicht *Uebersicht = nullptr;
    TOptionenDlg *OptionenDlg = nullptr;
    TAboutBox *AboutBox = nullptr;
    TTips *BrindeltipsDlg;

    // The three group clips as RIFF WAVE data, empty when not loaded.
    QByteArray GrasSound;
    QByteArray SandSound;
    QByteArray WasserSound;
    // Custom cursor 1; no control shows it yet.
    QCursor HilfeCursor;

    SpeicherAntwort SaveBevorQuiting();

    // Remembered settings. Laden applies what `speicher` holds and keeps it
    // for the recent list and the switches, which are stored as they change;
    // the rest is written by Beenden when the user wants it. Without Laden
    // nothing is read or stored. True when the window's place and size came
    // from the settings.
    bool EinstellungenLaden(QSettings &speicher);
    void EinstellungenBeimBeenden();
    Einstellungen EinstellungenErfassen() const;

    // The options in force; the dialog shows them and reports every change.
    const Optionen &optionen() const { return m_optionen; }
    void OptionenSetzen(const Optionen &optionen);

    // Recovery copies of the modified map go to `ordner` from now on; tests
    // that never call this write none.
    void RettungskopienEinrichten(const QString &ordner);
    // Offers the copies of editors that did not end normally.
    void RettungskopienAnbieten();

    // The file commands report whether they wrote or read the map. Errors of
    // the file system come as exceptions; the menu and tool bar run them
    // through befehl(), which shows the standard error box.
    void NeueKarte1Click();
    void LumerantKarte1Click();
    void Karteladen1Click();
    bool Speichern1Click();
    bool Speichernunter1Click();
    void Eigenschaften1Click();
    void Zufallskarte1Click();
    void AlsBildExportieren1Click();
    void RckgngigBefehl1Click();
    void Wiederherstellen1Click();
    // Open without the file dialog (command line, drop, recent maps): the
    // save prompt first when modified, errors in the standard error box.
    void DateiOeffnen(const QString &pfad);

    // Help; F1 on a highlighted menu item is MenueHilfe's.
    void Hilfethemen1Click();
    void Suchen1Click();
    void Hilfeverwenden1Click();
    void TipdesTages1Click();
    void Infober1Click();
    void ToolButton17Click();
    void Optionen1Click();

    // The one way the current tile changes: palette, menu and switches alike.
    // The palette shows it pressed, the strip's picture and the status bar
    // name it.
    void AktuellenFeldtypSetzen(std::uint8_t code);

signals:
    // The close step has run and the window has closed: the program ends.
    void geschlossen();
    // A map file was dropped; it opens once the drop is over.
    void karteGezogen(const QString &pfad);

public slots:
    void FeldtypClick(std::uint8_t code);
    void GruenlandButtonClick();
    void WuestenButtonClick();
    void WasserButtonClick();
    void Timer2Timer();
    void Standardleiste1Click();
    void Werkzeugleiste1Click();
    void Statusleiste1Click();
    void Darstellungerneuern1Click();
    void Vergroessern1Click();
    void Verkleinern1Click();
    void Originalgroesse1Click();
    void GanzeKarte1Click();
    void Raster1Click();
    void Uebersicht1Click();
    void Gestalter1Click();
    void GestalterButtonClick();
    void GestalterFormHide();
    void Beenden1Click();
    void FeldSoundSpielen();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

public:
    // Sets the zoom; the map pixel under `anker` (a position in the scroll
    // area's visible part) stays under it where the scroll range allows.
    void ZoomSetzen(int prozent, QPoint anker) { ScrollBox1->zoomSetzen(prozent, anker); }

private:
    void FormCreate();
    void FormClose(QCloseEvent &event);
    void dialogeAnlegen();
    void fensterAnlegen();
    void tipsAnlegen();
    void befehl(const std::function<void()> &ausfuehren);
    void verbinden(QAction *action, void (TZendaroMain::*handler)());
    void verlaufZeigen();
    bool karteLesen(const QString &pfad);
    // Writes the map, keeping the file's previous version when the options say so.
    // False when the user declined to write in place.
    bool karteSchreiben(const QString &pfad);
    void einstellungenAnwenden(const Einstellungen &e);
    void zuletztMerken(const QString &pfad);
    void oberflaecheAnlegen();
    void befehleVerbinden();

    void werkzeugeVerbinden();

    std::unique_ptr<SoundPlayer> m_player;
    HelpSystem &m_hilfe;
    QSettings *m_einstellungen = nullptr;
    Optionen m_optionen;
    void optionenUebernehmen(const Optionen &optionen);
    Rettungsdienst *m_rettung = nullptr;
};
