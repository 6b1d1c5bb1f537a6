#include "tzendaromain.h"

#include "apperror.h"
#include "fehlerbox.h"
#include "feldklang.h"
#include "palettenleiste.h"
#include "seitenanordnen.h"
#include "seitezeichnen.h"
#include "soundplayer.h"
#include "standardleiste.h"
#include "symbolanimation.h"
#include "tdialog1.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QByteArray resourceLesen(const QString &name)
{
    QFile datei(name);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace

TZendaroMain::TZendaroMain(std::unique_ptr<SoundPlayer> player, QWidget *parent)
    : QMainWindow(parent), m_player(std::move(player))
{
    setObjectName(QStringLiteral("ZendaroMain"));
    setWindowTitle(QStringLiteral("Lumerant! Zendaro"));
    resize(756, 575);
    oberflaecheAnlegen();
    befehleVerbinden();
    FormCreate();
    dialogeAnlegen();
}

TZendaroMain::~TZendaroMain() = default;

void TZendaroMain::oberflaecheAnlegen()
{
    Menue = HauptMenueAnlegen(*menuBar(), *this);

    auto *mitte = new QWidget(this);
    auto *spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    Panel1 = new TStandardleiste(mitte);
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

    ScrollBox1 = new QScrollArea(mitte);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setCursor(Qt::PointingHandCursor);
    ScrollBox1->setFocusPolicy(Qt::StrongFocus);
    auto *seiten = new QWidget;
    seiten->setObjectName(QStringLiteral("Seiten"));
    for (int i = 0; i < int(PaintBoxen.size()); ++i) {
        PaintBoxen[i] = new TSeitenFlaeche(i + 1, *this, seiten);
        // Pages appear once they are laid out for a map.
        PaintBoxen[i]->hide();
    }
    ScrollBox1->setWidget(seiten);
    spalte->addWidget(ScrollBox1, 1);
    setCentralWidget(mitte);

    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(19);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    Timer2->start();

    ScrollBox1->setFocus();
}

// The file dialogs keep their own last names between showings; Open takes
// any typed name, Save overwrites without asking.
void TZendaroMain::dialogeAnlegen()
{
    OpenDialog1 = new QFileDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
    for (QFileDialog *dialog : {OpenDialog1, SaveDialog1})
        dialog->setNameFilter(QStringLiteral("Karte (*.map)"));

    Dialog1 = new TDialog1(Karte, this);
    Dialog1->setObjectName(QStringLiteral("Dialog1"));
    connect(Dialog1, &TDialog1::karteGeaendert, this, [this] { KarteGeaendert = true; });
    connect(Dialog1, &TDialog1::groesseGeaendert, this, [this] {
        seitenNeuAnordnen();
        KarteGeaendert = true;
    });
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
    verbinden(Menue.NeueKarte1, &TZendaroMain::NeueKarte1Click);
    verbinden(Menue.LumerantKarte1, &TZendaroMain::LumerantKarte1Click);
    verbinden(Menue.ffnen1, &TZendaroMain::Karteladen1Click);
    verbinden(Menue.Eigenschaften1, &TZendaroMain::Eigenschaften1Click);
    connect(Menue.Speichern1, &QAction::triggered, this, [this] { befehl([this] { Speichern1Click(); }); });
    connect(Menue.Speichernunter1, &QAction::triggered, this, [this] { befehl([this] { Speichernunter1Click(); }); });
    connect(Panel1->ToolButton1, &QToolButton::clicked, Menue.LumerantKarte1, &QAction::trigger);
    connect(Panel1->ToolButton2, &QToolButton::clicked, Menue.ffnen1, &QAction::trigger);
    // The floppy disk saves, as its picture promises.
    connect(Panel1->ToolButton3, &QToolButton::clicked, Menue.Speichern1, &QAction::trigger);

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

    connect(Timer2, &QTimer::timeout, this, &TZendaroMain::Timer2Timer);

    connect(Menue.Standardleiste1, &QAction::triggered, this, &TZendaroMain::Standardleiste1Click);
    connect(Menue.Werkzeugleiste1, &QAction::triggered, this, &TZendaroMain::Werkzeugleiste1Click);
    connect(Menue.Statusleiste1, &QAction::triggered, this, &TZendaroMain::Statusleiste1Click);
    connect(Menue.Darstellungerneuern1, &QAction::triggered, this, &TZendaroMain::Darstellungerneuern1Click);
    connect(Menue.Gestalter1, &QAction::triggered, this, &TZendaroMain::Gestalter1Click);
    connect(Menue.Beenden1, &QAction::triggered, this, &TZendaroMain::Beenden1Click);
}

void TZendaroMain::FormCreate()
{
    try {
        StandardKarteAnlegen(Karte);
    } catch (const AppError &fehler) {
        // The window is not on screen yet, so the box has no owner. The rest
        // of the creation is skipped; the program runs on without pages.
        FehlerZeigen(nullptr, fehler.message());
        return;
    }
    AktuelleSeite = 1;
    SeitenAnordnen(Karte, PaintBoxen, *ScrollBox1->widget());

    GrasSound = resourceLesen(QStringLiteral(":/wave/GRAS_SOUND"));
    SandSound = resourceLesen(QStringLiteral(":/wave/SAND_SOUND"));
    WasserSound = resourceLesen(QStringLiteral(":/wave/WASSER_SOUND"));

    // The arrow's tip is the cursor's hot spot.
    const QPixmap hilfeZeiger(QStringLiteral(":/cursor/HELP_CURSORI"));
    if (!hilfeZeiger.isNull())
        HilfeCursor = QCursor(hilfeZeiger, 0, 0);

    update();
    AktuellerFeldtyp = 1;
    SymbolPhase = 1;
}

bool TZendaroMain::inSeite(QPoint pos) const
{
    return pos.x() > 0 && pos.x() < Karte.SeitenBreite && pos.y() > 0 && pos.y() < Karte.SeitenHoehe;
}

void TZendaroMain::PaintBox1Paint(TSeitenFlaeche &sender, QPainter &flaeche, const QRect &bereich)
{
    AktuelleSeite = sender.seite();
    SeiteZeichnen(Karte, AktuelleSeite, flaeche, bereich);
}

void TZendaroMain::PaintBox1MouseDown(TSeitenFlaeche &sender, Qt::MouseButton button, QPoint pos)
{
    AktuelleSeite = sender.seite();
    if (!inSeite(pos))
        return;
    if (button == Qt::RightButton) {
        Menue.PopupMenu1->popup(sender.mapToGlobal(pos));
        return;
    }
    // A press on the uncovered strip of a page that is not a whole number of
    // fields starts a drag but stores nothing: those numbers name no field.
    if (feldMalen(sender, pos)) {
        FeldSoundSpielen();
        KarteGeaendert = true;
    }
    MalenAktiv = true;
}

void TZendaroMain::PaintBox1MouseMove(TSeitenFlaeche &sender, QPoint pos)
{
    AktuelleSeite = sender.seite();
    if (MalenAktiv && inSeite(pos))
        feldMalen(sender, pos);
}

void TZendaroMain::PaintBox1MouseUp(TSeitenFlaeche &, Qt::MouseButton, QPoint)
{
    MalenAktiv = false;
}

bool TZendaroMain::feldMalen(TSeitenFlaeche &sender, QPoint pos)
{
    if (!FeldAnPosition(Karte, pos.x(), pos.y()))
        return false;
    const QRect feld = FeldSetzen(Karte, FeldNummer(Karte, pos.x(), pos.y()), std::uint8_t(AktuelleSeite),
                                  AktuellerFeldtyp);
    sender.update(feld);
    return true;
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
    if (m_player && !clip->isEmpty())
        m_player->play(*clip);
}

// Serves every tile button of the palettes and every tile item of "&Karte".
void TZendaroMain::FeldtypClick(std::uint8_t code)
{
    AktuellerFeldtyp = code;
}

void TZendaroMain::GruenlandButtonClick()
{
    HolderPanel->paletteZeigen(Palette::Gruenland);
    AktuellerFeldtyp = ErsterFeldtyp(Palette::Gruenland);
}

void TZendaroMain::WuestenButtonClick()
{
    HolderPanel->paletteZeigen(Palette::Wueste);
    AktuellerFeldtyp = ErsterFeldtyp(Palette::Wueste);
}

void TZendaroMain::WasserButtonClick()
{
    HolderPanel->paletteZeigen(Palette::KuesteMeer);
    AktuellerFeldtyp = ErsterFeldtyp(Palette::KuesteMeer);
}

void TZendaroMain::Timer2Timer()
{
    if (!isMinimized())
        return;
    if (SymbolPhase >= 1 && SymbolPhase <= 4)
        QApplication::setWindowIcon(SymbolBild(SymbolPhase));
    update();
    SymbolPhase = NaechsteSymbolPhase(SymbolPhase);
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

// The page surfaces paint every pixel themselves, so Qt leaves them out when
// only their container is invalidated; each is asked to repaint.
void TZendaroMain::Darstellungerneuern1Click()
{
    for (TSeitenFlaeche *flaeche : PaintBoxen)
        flaeche->update();
}

void TZendaroMain::seitenNeuAnordnen()
{
    SeitenAnordnen(Karte, PaintBoxen, *ScrollBox1->widget());
    Darstellungerneuern1Click();
}

void TZendaroMain::Gestalter1Click()
{
    const bool zeigen = Menue.Gestalter1->isChecked();
    if (m_gestalter)
        m_gestalter->setVisible(zeigen);
    Panel1->GestalterButton->setChecked(zeigen);
}

void TZendaroMain::GestalterButtonClick()
{
    Menue.Gestalter1->trigger();
}

void TZendaroMain::Beenden1Click()
{
    close();
}
