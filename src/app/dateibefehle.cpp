// The file commands of the main window, the save prompt and the close step.
#include "tzendaromain.h"

#include "dateiname.h"
#include "kartendatei.h"
#include "tdialog1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString Unbenannt = QStringLiteral("Unbenannt");

// Runs a file dialog from the name last chosen in it; empty when cancelled.
QString DateiWaehlen(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString pfad = dialog.selectedFiles().constFirst();
    dialog.selectFile(pfad);
    return pfad;
}

// The two dialog boxes that name their kind in the caption carry the
// program's own "OK" and "Abbrechen".
bool ErweiterungTrotzdemNehmen(QWidget *eltern, const QString &erweiterung)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warnung"),
                    QStringLiteral("Wenn Sie die Spielkarte mit der Erweiterung \"%1\" abspeichern,\n"
                                   " können Sie sie später möglicherweise nicht weiterverwenden.\n"
                                   " Fortfahren?")
                        .arg(erweiterung),
                    QMessageBox::NoButton, eltern);
    QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == ok;
}

void KeineKarteMelden(QWidget *eltern, const QString &pfad)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"),
                    QStringLiteral("Die Datei %1 ist entweder beschädigt oder enthält keine gültige Spielkarte!")
                        .arg(QFileInfo(pfad).fileName()),
                    QMessageBox::NoButton, eltern);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

SpeicherAntwort TZendaroMain::SaveBevorQuiting()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"),
                    QStringLiteral("Sollen die Änderungen in der Karte gespeichert werden?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Speichern1Click() ? SpeicherAntwort::Gespeichert : SpeicherAntwort::Abgebrochen;
    case QMessageBox::No:
        return SpeicherAntwort::NichtGespeichert;
    default:
        return SpeicherAntwort::Abgebrochen;
    }
}

void TZendaroMain::NeueKarte1Click()
{
    if (KarteGeaendert && SaveBevorQuiting() == SpeicherAntwort::Abgebrochen)
        return;
    // The dialog shows the map's name when it opens.
    Karte.KartenName = Unbenannt;
    Dialog1->exec();
    AktuellerDateiname.clear();
    const int seiten = std::min<int>(Karte.AnzahlSeiten, MaxSeiten);
    const int felder = std::min(Karte.AnzahlFelder, MaxFelder);
    for (int s = 1; s <= seiten; ++s)
        std::fill_n(Karte.Felder[s].begin() + 1, std::max(felder, 0), std::uint8_t(1));
    seitenNeuAnordnen();
    KarteGeaendert = false;
}

void TZendaroMain::LumerantKarte1Click()
{
    NeueKarte1Click();
}

void TZendaroMain::Karteladen1Click()
{
    if (KarteGeaendert && SaveBevorQuiting() == SpeicherAntwort::Abgebrochen)
        return;
    const QString pfad = DateiWaehlen(*OpenDialog1);
    if (pfad.isEmpty())
        return;
    // The reader changes the map only when the whole file is a valid map.
    if (!DateiLesen(Karte, pfad)) {
        KeineKarteMelden(this, pfad);
        return;
    }
    AktuellerDateiname = pfad;
    AktuelleSeite = 1;
    seitenNeuAnordnen();
    KarteGeaendert = false;
}

bool TZendaroMain::Speichern1Click()
{
    if (AktuellerDateiname.isEmpty())
        return Speichernunter1Click();
    DateiSchreiben(Karte, AktuellerDateiname, Karte.KartenName);
    KarteGeaendert = false;
    return true;
}

bool TZendaroMain::Speichernunter1Click()
{
    // Declining the extension warning starts over, with the name first.
    for (;;) {
        if (Karte.KartenName.isEmpty() || Karte.KartenName == Unbenannt)
            Dialog1->exec();
        const QString pfad = DateiWaehlen(*SaveDialog1);
        if (pfad.isEmpty())
            return false;
        const QString erweiterung = DateiErweiterung(pfad);
        if (!KartenErweiterung(erweiterung)) {
            QApplication::beep();
            if (!ErweiterungTrotzdemNehmen(this, erweiterung))
                continue;
        }
        DateiSchreiben(Karte, pfad, Karte.KartenName);
        KarteGeaendert = false;
        AktuellerDateiname = pfad;
        return true;
    }
}

void TZendaroMain::Eigenschaften1Click()
{
    Dialog1->exec();
}

// Closing always asks; the close query itself has no objection.
void TZendaroMain::closeEvent(QCloseEvent *event)
{
    FormClose(*event);
}

void TZendaroMain::FormClose(QCloseEvent &event)
{
    // Stay open unless the prompt lets the program end; a failing Save
    // leaves the window open after the error box.
    event.ignore();
    SpeicherAntwort antwort = SpeicherAntwort::Abgebrochen;
    befehl([&] { antwort = SaveBevorQuiting(); });
    if (antwort == SpeicherAntwort::Abgebrochen)
        return;
    Karte.FeldBilder = {};
    GrasSound.clear();
    SandSound.clear();
    WasserSound.clear();
    event.accept();
    emit geschlossen();
}
