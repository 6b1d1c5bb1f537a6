// The file commands of the main window, the save prompt and the close step.
#include "tzendaromain.h"

#include "dateiname.h"
#include "kartendokument.h"
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
    box.setTextFormat(Qt::PlainText);
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
    box.setTextFormat(Qt::PlainText);
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

// Cancel in the dialog cancels the new map as well.
void TZendaroMain::NeueKarte1Click()
{
    if (KarteGeaendert() && SaveBevorQuiting() == SpeicherAntwort::Abgebrochen)
        return;
    Dialog1->NamenVorgeben(Unbenannt);
    if (Dialog1->exec() != QDialog::Accepted)
        return;
    Dokument->neu(Dialog1->Eigenschaften());
}

void TZendaroMain::LumerantKarte1Click()
{
    NeueKarte1Click();
}

void TZendaroMain::Karteladen1Click()
{
    if (KarteGeaendert() && SaveBevorQuiting() == SpeicherAntwort::Abgebrochen)
        return;
    const QString pfad = DateiWaehlen(*OpenDialog1);
    if (pfad.isEmpty())
        return;
    // The map changes only when the whole file is a valid map.
    if (!Dokument->oeffnen(pfad)) {
        KeineKarteMelden(this, pfad);
        return;
    }
    AktuelleSeite = 1;
}

bool TZendaroMain::Speichern1Click()
{
    if (Dokument->dateiname().isEmpty())
        return Speichernunter1Click();
    Dokument->speichern(Dokument->dateiname());
    return true;
}

bool TZendaroMain::Speichernunter1Click()
{
    // Declining the extension warning starts over, with the name first.
    for (;;) {
        const QString &name = Dokument->karte().KartenName;
        if ((name.isEmpty() || name == Unbenannt) && Dialog1->exec() == QDialog::Accepted)
            Dokument->eigenschaftenAendern(Dialog1->Eigenschaften());
        const QString pfad = DateiWaehlen(*SaveDialog1);
        if (pfad.isEmpty())
            return false;
        const QString erweiterung = DateiErweiterung(pfad);
        if (!KartenErweiterung(erweiterung)) {
            QApplication::beep();
            if (!ErweiterungTrotzdemNehmen(this, erweiterung))
                continue;
        }
        Dokument->speichern(pfad);
        return true;
    }
}

void TZendaroMain::Eigenschaften1Click()
{
    if (Dialog1->exec() == QDialog::Accepted)
        Dokument->eigenschaftenAendern(Dialog1->Eigenschaften());
}

// Closing asks only when there is something to lose.
void TZendaroMain::closeEvent(QCloseEvent *event)
{
    FormClose(*event);
}

void TZendaroMain::FormClose(QCloseEvent &event)
{
    // Stay open unless the prompt lets the program end; a failing Save
    // leaves the window open after the error box.
    event.ignore();
    if (KarteGeaendert()) {
        SpeicherAntwort antwort = SpeicherAntwort::Abgebrochen;
        befehl([&] { antwort = SaveBevorQuiting(); });
        if (antwort == SpeicherAntwort::Abgebrochen)
            return;
    }
    Dokument->feldBilderFreigeben();
    GrasSound.clear();
    SandSound.clear();
    WasserSound.clear();
    event.accept();
    emit geschlossen();
}
