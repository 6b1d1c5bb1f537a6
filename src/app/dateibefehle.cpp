// The file commands of the main window, the save prompt and the close step.
#include "tzendaromain.h"

#include "bildexport.h"
#include "dateiersetzen.h"
#include "dateiname.h"
#include "dateispalten.h"
#include "helpcontexts.h"
#include "helpsystem.h"
#include "kartendokument.h"
#include "rettungsdienst.h"
#include "statusleiste.h"
#include "tdialog1.h"
#include "uebersicht.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
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

// A question that replaces or overwrites: "Nein" is the default and Esc.
bool JaGewaehlt(QMessageBox &box)
{
    QPushButton *ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(nein);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja;
}

// Asked before Save As replaces a file other than the map's own.
bool ErsetzenBestaetigt(QWidget *eltern, const QString &pfad)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"),
                    QStringLiteral("Die Datei %1 ist bereits vorhanden.\nSoll sie ersetzt werden?")
                        .arg(QFileInfo(pfad).fileName()),
                    QMessageBox::NoButton, eltern);
    box.setTextFormat(Qt::PlainText);
    return JaGewaehlt(box);
}

bool DirektSchreibenBestaetigt(QWidget *eltern)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"),
                    QStringLiteral("Der Ordner ist schreibgeschützt. Die Datei direkt überschreiben?"),
                    QMessageBox::NoButton, eltern);
    box.setInformativeText(QStringLiteral("Die Datei wird dabei nicht als Ganzes ersetzt: bricht das Schreiben ab, "
                                          "etwa bei vollem Datenträger, bleibt sie unvollständig zurück. Eine "
                                          "Sicherungskopie kann in diesem Ordner nicht angelegt werden."));
    return JaGewaehlt(box);
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

// Keeps the file's present content as NAME~ before it is replaced: one
// generation, itself replaced whole, so a failure leaves the old copy. It is
// as private as the map.
void SicherungskopieAnlegen(const QString &pfad)
{
    if (QFileInfo(pfad).isFile())
        DateiKopieren(pfad, pfad + u'~');
}

// The first map file among the dropped ones; empty when there is none.
QString GezogeneKarte(const QMimeData *daten)
{
    for (const QUrl &url : daten->urls()) {
        if (url.isLocalFile()
            && DateiErweiterung(url.toLocalFile()).compare(QLatin1String(".map"), Qt::CaseInsensitive) == 0)
            return url.toLocalFile();
    }
    return {};
}

} // namespace

// The file dialogs keep their own last names between showings; Open takes
// any typed name. Save As asks itself before it replaces another file, so
// that the map's own file is replaced silently.
void TZendaroMain::dialogeAnlegen()
{
    // Both extensions a map may have, and any file.
    const QStringList filter{QStringLiteral("Karte (*.map *.qkm)"), QStringLiteral("Alle Dateien (*)")};
    OpenDialog1 = DateiDialogAnlegen(this, QFileDialog::AcceptOpen, filter);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    SaveDialog1 = DateiDialogAnlegen(this, QFileDialog::AcceptSave, filter);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
    SaveDialog1->setDefaultSuffix(QStringLiteral("map"));

    BildExporter = new BildExport(*Dokument, *StatusBar1, *this);

    Dialog1 = new TDialog1(Dokument->karte(), this);
    Dialog1->setObjectName(QStringLiteral("Dialog1"));
    connect(Dialog1, &TDialog1::hilfeAngefordert, this,
            [this] { m_hilfe.request(HelpSystem::HELP_CONTEXT, HilfeKontext::Eigenschaften); });
}

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
    Dialog1->FuerNeueKarte(Unbenannt);
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
    if (!pfad.isEmpty())
        karteLesen(pfad);
}

void TZendaroMain::DateiOeffnen(const QString &pfad)
{
    befehl([&] {
        if (KarteGeaendert() && SaveBevorQuiting() == SpeicherAntwort::Abgebrochen)
            return;
        karteLesen(pfad);
    });
}

bool TZendaroMain::karteLesen(const QString &pfad)
{
    // The map changes only when the whole file is a valid map.
    if (!Dokument->oeffnen(pfad)) {
        KeineKarteMelden(this, pfad);
        return false;
    }
    AktuelleSeite = 1;
    zuletztMerken(pfad);
    return true;
}

bool TZendaroMain::Speichern1Click()
{
    if (Dokument->dateiname().isEmpty())
        return Speichernunter1Click();
    return karteSchreiben(Dokument->dateiname());
}

bool TZendaroMain::Speichernunter1Click()
{
    // Declining the extension warning starts over, with the name first.
    for (;;) {
        const QString &name = Dokument->karte().KartenName;
        if ((name.isEmpty() || name == Unbenannt) && Dialog1->exec() == QDialog::Accepted)
            Dokument->eigenschaftenAendern(Dialog1->Eigenschaften());
        QString pfad;
        do {
            pfad = DateiWaehlen(*SaveDialog1);
            if (pfad.isEmpty())
                return false;
        } while (QFileInfo(pfad).exists() && pfad != Dokument->dateiname() && !ErsetzenBestaetigt(this, pfad));
        const QString erweiterung = DateiErweiterung(pfad);
        if (!KartenErweiterung(erweiterung)) {
            QApplication::beep();
            if (!ErweiterungTrotzdemNehmen(this, erweiterung))
                continue;
        }
        return karteSchreiben(pfad);
    }
}

bool TZendaroMain::karteSchreiben(const QString &pfad)
{
    // Neither a temporary file nor a backup fits in a read-only folder: the
    // map can only be written in place, after asking.
    const bool direkt = NurDirektSchreibbar(pfad);
    if (direkt && !DirektSchreibenBestaetigt(this))
        return false;
    if (!direkt && m_optionen.sicherungskopie)
        SicherungskopieAnlegen(pfad);
    Dokument->speichern(pfad, direkt);
    zuletztMerken(pfad);
    return true;
}

void TZendaroMain::AlsBildExportieren1Click()
{
    BildExporter->exportieren(AktuelleSeite);
}

void TZendaroMain::Eigenschaften1Click()
{
    if (Dialog1->exec() == QDialog::Accepted)
        Dokument->eigenschaftenAendern(Dialog1->Eigenschaften());
}

void TZendaroMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!GezogeneKarte(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// A dropped map opens like Open, once the drop is over: the save prompt and
// the error boxes must not run inside the file manager's drag.
void TZendaroMain::dropEvent(QDropEvent *event)
{
    const QString pfad = GezogeneKarte(event->mimeData());
    if (pfad.isEmpty())
        return;
    event->acceptProposedAction();
    emit karteGezogen(pfad);
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
    // The program's quit closes the overview too; its mark keeps saying it
    // was open, for the settings written at the end.
    Uebersicht->disconnect(this);
    Dokument->feldBilderFreigeben();
    GrasSound.clear();
    SandSound.clear();
    WasserSound.clear();
    event.accept();
    emit geschlossen();
}

void TZendaroMain::RettungskopienEinrichten(const QString &ordner)
{
    m_rettung = new Rettungsdienst(*Dokument, ordner, this);
    connect(this, &TZendaroMain::geschlossen, m_rettung, &Rettungsdienst::beenden);
}

void TZendaroMain::RettungskopienAnbieten()
{
    const std::optional<QString> datei = m_rettung ? m_rettung->anbieten(this) : std::nullopt;
    if (!datei)
        return;
    AktuelleSeite = 1;
    // Save As starts where the map was; Save alone must not write there.
    if (!datei->isEmpty())
        SaveDialog1->selectFile(*datei);
}
