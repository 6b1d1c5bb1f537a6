// The main window's auxiliary windows (landscape box, overview, options, about
// box, tips), help, the script editor and the icon animation.
#include "tzendaromain.h"

#include "helpcontexts.h"
#include "helpsystem.h"
#include "kartendokument.h"
#include "scripteditor.h"
#include "standardleiste.h"
#include "symbolanimation.h"
#include "taboutbox.h"
#include "tgestalter.h"
#include "toptionendlg.h"
#include "ttips.h"
#include "uebersicht.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QToolButton>

void TZendaroMain::tipsAnlegen()
{
    BrindeltipsDlg = new TTips(this);
    BrindeltipsDlg->setObjectName(QStringLiteral("BrindeltipsDlg"));
    BrindeltipsDlg->Title = QStringLiteral("Wussten Sie schon?");
    BrindeltipsDlg->Header = QStringLiteral("Tipp des Tages...");
    BrindeltipsDlg->ShowAtStart = false;
    BrindeltipsDlg->Tips = {QStringLiteral("Dieses Programm ist schon sehr alt."),
                            QStringLiteral("Alter schützt vor Torheit nicht.")};
}

void TZendaroMain::fensterAnlegen()
{
    Gestalter = new TGestalter(this);
    Gestalter->setObjectName(QStringLiteral("Gestalter"));
    connect(Gestalter, &TGestalter::versteckt, this, &TZendaroMain::GestalterFormHide);
    connect(Gestalter, &TGestalter::karteAngefordert, Menue.Eigenschaften1, &QAction::trigger);
    connect(Gestalter, &TGestalter::hilfeAngefordert, this, &TZendaroMain::Hilfethemen1Click);

    OptionenDlg = new TOptionenDlg(this);
    OptionenDlg->setObjectName(QStringLiteral("OptionenDlg"));
    connect(OptionenDlg, &TOptionenDlg::hilfeAngefordert, this,
            [this] { m_hilfe.request(HelpSystem::HELP_CONTEXT, HilfeKontext::Optionen); });
    m_optionen = OptionenDlg->optionen();
    connect(OptionenDlg, &TOptionenDlg::optionenGeaendert, this, &TZendaroMain::optionenUebernehmen);

    AboutBox = new TAboutBox(this);
    AboutBox->setObjectName(QStringLiteral("AboutBox"));

    Uebersicht = new TUebersicht(*Dokument, this);
    Uebersicht->setObjectName(QStringLiteral("Uebersicht"));
    connect(Uebersicht, &TUebersicht::versteckt, this, [this] { Menue.Uebersicht1->setChecked(false); });
    connect(Uebersicht, &TUebersicht::mitteGewaehlt, ScrollBox1, &KartenAnsicht::mitteZeigen);
    connect(ScrollBox1, &KartenAnsicht::sichtGeaendert, Uebersicht, &TUebersicht::sichtbarSetzen);
    Uebersicht->sichtbarSetzen(ScrollBox1->sichtbarerTeil());
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

// A checkable action: Qt has already reversed the mark. The first showing
// puts the window at the top right of the map; later ones keep where the
// user moved it.
void TZendaroMain::Uebersicht1Click()
{
    const bool zeigen = Menue.Uebersicht1->isChecked();
    if (zeigen && !Uebersicht->testAttribute(Qt::WA_Moved))
        Uebersicht->move(ScrollBox1->mapToGlobal(QPoint(ScrollBox1->width() - Uebersicht->width() - 24, 8)));
    Uebersicht->setVisible(zeigen);
}

// "&Gestalter" is a checkable action: Qt has already reversed the mark, and
// the box and the button follow it.
void TZendaroMain::Gestalter1Click()
{
    const bool zeigen = Menue.Gestalter1->isChecked();
    Gestalter->setVisible(zeigen);
    if (zeigen) {
        // Shown in front and active, its title strip in the active colour.
        Gestalter->raise();
        Gestalter->activateWindow();
    }
    Panel1->GestalterButton->setChecked(zeigen);
}

void TZendaroMain::GestalterButtonClick()
{
    Menue.Gestalter1->trigger();
}

// The box closed itself, or went with the main window.
void TZendaroMain::GestalterFormHide()
{
    Menue.Gestalter1->setChecked(false);
    Panel1->GestalterButton->setChecked(false);
}

void TZendaroMain::Hilfethemen1Click()
{
    m_hilfe.request(HelpSystem::HELP_CONTENTS, 0);
}

void TZendaroMain::Suchen1Click()
{
    m_hilfe.request(HelpSystem::HELP_PARTIALKEY, QString());
}

void TZendaroMain::Hilfeverwenden1Click()
{
    m_hilfe.request(HelpSystem::HELP_HELPONHELP, 0);
}

void TZendaroMain::TipdesTages1Click()
{
    BrindeltipsDlg->Execute();
}

void TZendaroMain::Infober1Click()
{
    AboutBox->exec();
}

void TZendaroMain::Optionen1Click()
{
    OptionenDlg->exec();
}

void TZendaroMain::OptionenSetzen(const Optionen &optionen)
{
    m_optionen = optionen;
    OptionenDlg->setOptionen(optionen);
}

void TZendaroMain::optionenUebernehmen(const Optionen &optionen)
{
    const bool speichernGewechselt = optionen.beimBeendenSpeichern != m_optionen.beimBeendenSpeichern;
    m_optionen = optionen;
    // Unchecking must reach the file at once: the end will not write it.
    if (m_einstellungen && speichernGewechselt)
        BeimBeendenSpeichernSchreiben(*m_einstellungen, optionen.beimBeendenSpeichern);
}

// The editor runs on its own; nothing is handed to it and nothing waited for.
void TZendaroMain::ToolButton17Click()
{
    if (Scripteditor::Starten())
        return;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Fehler"),
                    QStringLiteral("Der Brindel Scripteditor konnte nicht gefunden werden."), QMessageBox::Ok, this);
    box.exec();
}
