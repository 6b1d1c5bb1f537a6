#include "tzendaromain.h"

#include "apperror.h"
#include "fehlerbox.h"
#include "feldbilder.h"
#include "feldklang.h"
#include "helpsystem.h"
#include "kantenbefehle.h"
#include "kartendokument.h"
#include "menuehilfe.h"
#include "palettenleiste.h"
#include "soundplayer.h"
#include "standardleiste.h"
#include "statusleiste.h"
#include "tgestalter.h"
#include "werkzeugsteuerung.h"
#include "werkzeugbefehle.h"
#include "zuletzt.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

QByteArray resourceLesen(const QString &name)
{
    QFile datei(name);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace

TZendaroMain::TZendaroMain(std::unique_ptr<SoundPlayer> player, HelpSystem &hilfe, QWidget *parent)
    : QMainWindow(parent), Dokument(new KartenDokument(this)), Werkzeuge(new Werkzeugsteuerung(*Dokument, this)),
      ScrollBox1(new KartenAnsicht(*Dokument, *Werkzeuge, AktuellerFeldtyp, this)),
      AktuelleSeite(ScrollBox1->AktuelleSeite), MalenAktiv(ScrollBox1->MalenAktiv), PaintBoxen(ScrollBox1->PaintBoxen),
      Zoom(ScrollBox1->zoom()), m_player(std::move(player)), m_hilfe(hilfe)
{
    setObjectName(QStringLiteral("ZendaroMain"));
    resize(756, 575);
    // Map files dropped from the file manager open like Open.
    setAcceptDrops(true);
    oberflaecheAnlegen();
    befehleVerbinden();
    new MenueHilfe(m_hilfe, {menuBar(), Menue.NewMenu1, Menue.PopupMenu1}, this);
    FormCreate();
    // The other windows come after the main window's own creation, in this
    // order, and stay hidden until their commands show them.
    dialogeAnlegen();
    fensterAnlegen();
}

TZendaroMain::~TZendaroMain()
{
    // The box hides while the window's children are destroyed; by then this
    // window can no longer take its report.
    Gestalter->disconnect(this);
    // The view goes first: its pages may still hear the pointer leave, and
    // the document and the tools it hands that to are children made before.
    delete ScrollBox1;
}

void TZendaroMain::oberflaecheAnlegen()
{
    std::vector<WerkzeugInfo> werkzeuge;
    for (const auto &werkzeug : Werkzeuge->werkzeuge())
        werkzeuge.push_back(werkzeug->info());
    Menue = HauptMenueAnlegen(*menuBar(), *this, werkzeuge);

    auto *mitte = new QWidget(this);
    auto *spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    Panel1 = new TStandardleiste(Menue.werkzeugPunkte, Menue.KantenAutomatisch1, Menue.Zufall1, mitte);
    spalte->addWidget(Panel1);

    HolderPanel = new TPalettenLeiste(mitte);
    spalte->addWidget(HolderPanel);

    Bevel1 = new QFrame(mitte);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Plain);
    Bevel1->setFixedHeight(1);
    Bevel1->setForegroundRole(QPalette::Mid);
    spalte->addWidget(Bevel1);

    spalte->addWidget(ScrollBox1, 1);
    setCentralWidget(mitte);

    StatusBar1 = new TStatusLeiste(this);
    setStatusBar(StatusBar1);
    ZoomAnzeige = new QLabel(StatusBar1);
    ZoomAnzeige->setObjectName(QStringLiteral("ZoomAnzeige"));
    ZoomAnzeige->setToolTip(QStringLiteral("Zoom"));
    // Room for the widest step from the start: the bar must not cut the figure.
    ZoomAnzeige->setContentsMargins(3, 0, 3, 0);
    ZoomAnzeige->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ZoomAnzeige->setMinimumWidth(ZoomAnzeige->fontMetrics().horizontalAdvance(QStringLiteral("400 %")) + 8);
    StatusBar1->addPermanentWidget(ZoomAnzeige);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    Timer2->start();

    tipsAnlegen();

    ScrollBox1->setFocus();
}

void TZendaroMain::befehl(const std::function<void()> &ausfuehren)
{
    try {
        ausfuehren();
    } catch (const AppError &fehler) {
        FehlerZeigen(this, fehler.message());
    }
}

void TZendaroMain::verbinden(QAction *action, void (TZendaroMain::*handler)())
{
    connect(action, &QAction::triggered, this, [this, handler] { befehl([this, handler] { (this->*handler)(); }); });
}

void TZendaroMain::befehleVerbinden()
{
    // Queued, so that a dropped map opens after the drag (see dropEvent).
    connect(this, &TZendaroMain::karteGezogen, this, &TZendaroMain::DateiOeffnen, Qt::QueuedConnection);
    verbinden(Menue.NeueKarte1, &TZendaroMain::NeueKarte1Click);
    verbinden(Menue.LumerantKarte1, &TZendaroMain::LumerantKarte1Click);
    verbinden(Menue.ffnen1, &TZendaroMain::Karteladen1Click);
    verbinden(Menue.Eigenschaften1, &TZendaroMain::Eigenschaften1Click);
    verbinden(Menue.Zufallskarte1, &TZendaroMain::Zufallskarte1Click);
    verbinden(Menue.AlsBildExportieren1, &TZendaroMain::AlsBildExportieren1Click);
    connect(Menue.Speichern1, &QAction::triggered, this, [this] { befehl([this] { Speichern1Click(); }); });
    connect(Menue.Speichernunter1, &QAction::triggered, this, [this] { befehl([this] { Speichernunter1Click(); }); });
    const auto zuletztZeigen = [this] {
        ZuletztMenueFuellen(*Menue.Zuletzt1, ZuletztGeoeffnet, [this](const QString &pfad) { DateiOeffnen(pfad); });
    };
    zuletztZeigen();
    connect(Menue.Zuletzt1, &QMenu::aboutToShow, this, zuletztZeigen);
    // The floppy disk saves, as its picture promises; the two help pictures
    // lead to the keyword search and the contents.
    const std::pair<QToolButton *, QAction *> knoepfe[] = {
        {Panel1->ToolButton1, Menue.LumerantKarte1}, {Panel1->ToolButton2, Menue.ffnen1},
        {Panel1->ToolButton3, Menue.Speichern1},     {Panel1->ToolButton5, Menue.RckgngigBefehl1},
        {Panel1->ToolButton6, Menue.Wiederherstellen1}, {Panel1->ToolButton8, Menue.Ausschneiden1},
        {Panel1->ToolButton9, Menue.Kopieren1},      {Panel1->ToolButton10, Menue.Einfgen1},
        {Panel1->ToolButton19, Menue.Suchen1},       {Panel1->ToolButton20, Menue.Hilfethemen1}};
    for (auto [knopf, action] : knoepfe)
        TStandardleiste::spiegeln(knopf, action);

    connect(HolderPanel, &TPalettenLeiste::feldtypGewaehlt, this, &TZendaroMain::FeldtypClick);
    for (QAction *punkt : Menue.feldPunkte) {
        const auto code = std::uint8_t(punkt->data().toUInt());
        connect(punkt, &QAction::triggered, this, [this, code] { FeldtypClick(code); });
    }
    connect(Panel1->ToolButton12, &QToolButton::clicked, this, &TZendaroMain::GruenlandButtonClick);
    connect(Panel1->ToolButton13, &QToolButton::clicked, this, &TZendaroMain::WuestenButtonClick);
    connect(Panel1->ToolButton14, &QToolButton::clicked, this, &TZendaroMain::WasserButtonClick);
    connect(Panel1->ToolButton1, &QToolButton::customContextMenuRequested, this,
            [this](const QPoint &pos) { Menue.NewMenu1->popup(Panel1->ToolButton1->mapToGlobal(pos)); });
    connect(Panel1->GestalterButton, &QToolButton::clicked, this, &TZendaroMain::GestalterButtonClick);
    connect(Panel1->ToolButton17, &QToolButton::clicked, this, &TZendaroMain::ToolButton17Click);

    connect(Timer2, &QTimer::timeout, this, &TZendaroMain::Timer2Timer);

    werkzeugeVerbinden();
    // Another map or another size: cells of a selection or paste point
    // nowhere any more. A zoom keeps them.
    connect(Dokument, &KartenDokument::anordnungGeaendert, Werkzeuge, &Werkzeugsteuerung::zuruecksetzen);
    // The title names the map's file, "*" while it is modified.
    const auto titelZeigen = [this] {
        const QString &datei = Dokument->dateiname();
        setWindowTitle(QStringLiteral("%1[*] – Lumerant! Zendaro")
                           .arg(datei.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(datei).fileName()));
        setWindowFilePath(datei);
        setWindowModified(KarteGeaendert());
    };
    titelZeigen();
    connect(Dokument, &KartenDokument::dateinameGeaendert, this, titelZeigen);
    connect(Dokument, &KartenDokument::geaendertGewechselt, this, titelZeigen);
    // Undo under a resting pointer changes what the status bar names.
    connect(Dokument, &KartenDokument::felderGeaendert, this, [this] { StatusBar1->feldErneuern(Dokument->karte()); });
    connect(ScrollBox1, &KartenAnsicht::zeigerUeber, this,
            [this](int seite, QPoint pos) { StatusBar1->feldZeigen(Dokument->karte(), seite, pos); });
    connect(ScrollBox1, &KartenAnsicht::zeigerVerlassen, StatusBar1, &TStatusLeiste::feldVerlassen);
    connect(ScrollBox1, &KartenAnsicht::seitenMenueAngefordert, Menue.PopupMenu1,
            [this](QPoint global) { Menue.PopupMenu1->popup(global); });
    connect(ScrollBox1, &KartenAnsicht::zoomGeaendert, ZoomAnzeige,
            [this](int prozent) { ZoomAnzeige->setText(QStringLiteral("%1 %").arg(prozent)); });
    ZoomAnzeige->setText(QStringLiteral("%1 %").arg(Zoom.prozent));
    // Every push, merge, undo, redo and clear moves the index or reports it.
    connect(&Dokument->verlauf(), &QUndoStack::indexChanged, this, &TZendaroMain::verlaufZeigen);
    connect(Menue.RckgngigBefehl1, &QAction::triggered, this, &TZendaroMain::RckgngigBefehl1Click);
    connect(Menue.Wiederherstellen1, &QAction::triggered, this, &TZendaroMain::Wiederherstellen1Click);
    verlaufZeigen();

    connect(Menue.Standardleiste1, &QAction::triggered, this, &TZendaroMain::Standardleiste1Click);
    connect(Menue.Werkzeugleiste1, &QAction::triggered, this, &TZendaroMain::Werkzeugleiste1Click);
    connect(Menue.Statusleiste1, &QAction::triggered, this, &TZendaroMain::Statusleiste1Click);
    connect(Menue.Darstellungerneuern1, &QAction::triggered, this, &TZendaroMain::Darstellungerneuern1Click);
    connect(Menue.Vergroessern1, &QAction::triggered, this, &TZendaroMain::Vergroessern1Click);
    connect(Menue.Verkleinern1, &QAction::triggered, this, &TZendaroMain::Verkleinern1Click);
    connect(Menue.Originalgroesse1, &QAction::triggered, this, &TZendaroMain::Originalgroesse1Click);
    connect(Menue.GanzeKarte1, &QAction::triggered, this, &TZendaroMain::GanzeKarte1Click);
    connect(Menue.Raster1, &QAction::triggered, this, &TZendaroMain::Raster1Click);
    connect(Menue.Uebersicht1, &QAction::triggered, this, &TZendaroMain::Uebersicht1Click);
    connect(Menue.Gestalter1, &QAction::triggered, this, &TZendaroMain::Gestalter1Click);
    connect(Menue.Beenden1, &QAction::triggered, this, &TZendaroMain::Beenden1Click);
    connect(Menue.Optionen1, &QAction::triggered, this, &TZendaroMain::Optionen1Click);

    connect(Menue.Hilfethemen1, &QAction::triggered, this, &TZendaroMain::Hilfethemen1Click);
    connect(Menue.Suchen1, &QAction::triggered, this, &TZendaroMain::Suchen1Click);
    connect(Menue.Hilfeverwenden1, &QAction::triggered, this, &TZendaroMain::Hilfeverwenden1Click);
    connect(Menue.TipdesTages1, &QAction::triggered, this, &TZendaroMain::TipdesTages1Click);
    connect(Menue.Infober1, &QAction::triggered, this, &TZendaroMain::Infober1Click);
}

void TZendaroMain::FormCreate()
{
    try {
        Dokument->startKarteAnlegen();
    } catch (const AppError &fehler) {
        // The window is not on screen yet, so the box has no owner. The rest
        // of the creation is skipped; the program runs on without pages.
        FehlerZeigen(nullptr, fehler.message());
        return;
    }
    AktuelleSeite = 1;

    GrasSound = resourceLesen(QStringLiteral(":/wave/GRAS_SOUND"));
    SandSound = resourceLesen(QStringLiteral(":/wave/SAND_SOUND"));
    WasserSound = resourceLesen(QStringLiteral(":/wave/WASSER_SOUND"));

    // The arrow's tip is the cursor's hot spot.
    const QPixmap hilfeZeiger(QStringLiteral(":/cursor/HELP_CURSORI"));
    if (!hilfeZeiger.isNull())
        HilfeCursor = QCursor(hilfeZeiger, 0, 0);

    update();
    AktuellenFeldtypSetzen(1);
    SymbolPhase = 1;
}

void TZendaroMain::werkzeugeVerbinden()
{
    connect(Werkzeuge, &Werkzeugsteuerung::gemalt, this, &TZendaroMain::FeldSoundSpielen);
    // The picked tile shows on its palette, as if its button had been clicked.
    connect(Werkzeuge, &Werkzeugsteuerung::feldtypGewaehlt, this, &TZendaroMain::FeldtypClick);
    WerkzeugBefehleVerbinden(*Werkzeuge, Menue, *StatusBar1, *this);
    KantenBefehleVerbinden(*Dokument, *Werkzeuge, Menue, *StatusBar1, *ScrollBox1);
}

bool TZendaroMain::KarteGeaendert() const
{
    return Dokument->istGeaendert();
}

// The menu items name the step they would take back or do again, and they
// (and the two arrows that mirror them) are enabled exactly when there is one.
void TZendaroMain::verlaufZeigen()
{
    const QUndoStack &verlauf = Dokument->verlauf();
    const auto beschriften = [](QAction *punkt, const QString &text, const QString &schritt) {
        punkt->setText(schritt.isEmpty() ? text : text + QStringLiteral(": ") + schritt);
    };
    beschriften(Menue.RckgngigBefehl1, QStringLiteral("&Rückgängig"), verlauf.undoText());
    beschriften(Menue.Wiederherstellen1, QStringLiteral("Wiederherstellen"), verlauf.redoText());
    Menue.RckgngigBefehl1->setEnabled(verlauf.canUndo());
    Menue.Wiederherstellen1->setEnabled(verlauf.canRedo());
}

// A stroke still open (a key pressed while the button is held) ends first,
// so the fields painted afterwards make a step of their own.
void TZendaroMain::RckgngigBefehl1Click()
{
    Werkzeuge->druckBeenden();
    Dokument->strichBeenden();
    MalenAktiv = false;
    Dokument->verlauf().undo();
}

void TZendaroMain::Wiederherstellen1Click()
{
    Werkzeuge->druckBeenden();
    Dokument->strichBeenden();
    MalenAktiv = false;
    Dokument->verlauf().redo();
}

void TZendaroMain::FeldSoundSpielen()
{
    const QByteArray *clip = nullptr;
    switch (FeldKlangGruppe(AktuellerFeldtyp)) {
    case KlangGruppe::Gras:
        clip = &GrasSound;
        break;
    case KlangGruppe::Wasser:
        clip = &WasserSound;
        break;
    case KlangGruppe::Sand:
        clip = &SandSound;
        break;
    }
    if (m_player && !clip->isEmpty() && m_optionen.sound)
        m_player->play(*clip);
}

void TZendaroMain::AktuellenFeldtypSetzen(std::uint8_t code)
{
    AktuellerFeldtyp = code;
    HolderPanel->feldtypZeigen(code, Dokument->karte().FeldBilder[BildNummer(code)]);
    Panel1->paletteMarkieren(HolderPanel->gezeigtePalette());
    StatusBar1->feldtypZeigen(code);
}

// Serves every tile button of the palettes and every tile item of "&Karte".
void TZendaroMain::FeldtypClick(std::uint8_t code)
{
    AktuellenFeldtypSetzen(code);
}

// A palette switch selects the palette's first tile, which shows the palette.
void TZendaroMain::GruenlandButtonClick()
{
    AktuellenFeldtypSetzen(ErsterFeldtyp(Palette::Gruenland));
}

void TZendaroMain::WuestenButtonClick()
{
    AktuellenFeldtypSetzen(ErsterFeldtyp(Palette::Wueste));
}

void TZendaroMain::WasserButtonClick()
{
    AktuellenFeldtypSetzen(ErsterFeldtyp(Palette::KuesteMeer));
}

// The bar toggles are checkable actions: Qt has already reversed the mark when
// the handler runs, and the bar follows it.
void TZendaroMain::Standardleiste1Click()
{
    Panel1->setVisible(Menue.Standardleiste1->isChecked());
}

void TZendaroMain::Werkzeugleiste1Click()
{
    HolderPanel->setVisible(Menue.Werkzeugleiste1->isChecked());
}

void TZendaroMain::Statusleiste1Click()
{
    StatusBar1->setVisible(Menue.Statusleiste1->isChecked());
}

void TZendaroMain::Darstellungerneuern1Click()
{
    ScrollBox1->neuZeichnen();
}

void TZendaroMain::Vergroessern1Click()
{
    ScrollBox1->vergroessern();
}

void TZendaroMain::Verkleinern1Click()
{
    ScrollBox1->verkleinern();
}

void TZendaroMain::Originalgroesse1Click()
{
    ScrollBox1->originalgroesse();
}

void TZendaroMain::GanzeKarte1Click()
{
    ScrollBox1->ganzeKarte();
}

void TZendaroMain::Raster1Click()
{
    ScrollBox1->setRaster(Menue.Raster1->isChecked());
}

void TZendaroMain::Beenden1Click()
{
    close();
}
