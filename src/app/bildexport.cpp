// "Als Bild exportieren ...": the whole map or the current page as a PNG
// picture, drawn by the same renderer as `zendaro-map render`.
#include "tzendaromain.h"

#include "bilddatei.h"
#include "dateiersetzen.h"
#include "kartenbild.h"
#include "kartendokument.h"
#include "seitenanordnung.h"
#include "statusleiste.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

void TZendaroMain::AlsBildExportieren1Click()
{
    QMessageBox frage(QMessageBox::Question, QStringLiteral("Als Bild exportieren"),
                      QStringLiteral("Was soll als Bild gespeichert werden?"), QMessageBox::NoButton, this);
    QPushButton *ganz = frage.addButton(QStringLiteral("&Ganze Karte"), QMessageBox::AcceptRole);
    QPushButton *seite = frage.addButton(QStringLiteral("&Aktuelle Seite"), QMessageBox::AcceptRole);
    frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    frage.setDefaultButton(ganz);
    frage.exec();
    if (frage.clickedButton() != ganz && frage.clickedButton() != seite)
        return;

    if (!BildDialog1) {
        BildDialog1 = new QFileDialog(this);
        BildDialog1->setObjectName(QStringLiteral("BildDialog1"));
        BildDialog1->setAcceptMode(QFileDialog::AcceptSave);
        BildDialog1->setNameFilter(QStringLiteral("PNG-Bild (*.png)"));
        BildDialog1->setDefaultSuffix(QStringLiteral("png"));
    }
    if (BildDialog1->exec() != QDialog::Accepted || BildDialog1->selectedFiles().isEmpty())
        return;
    const QString pfad = BildDialog1->selectedFiles().constFirst();

    // A large map takes a moment to draw and encode: the wait cursor and the
    // status bar say so until the file is written.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StatusBar1->showMessage(QStringLiteral("Bild wird gezeichnet ..."));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    struct Aufraeumen
    {
        QStatusBar *leiste;
        ~Aufraeumen()
        {
            leiste->clearMessage();
            QApplication::restoreOverrideCursor();
        }
    } aufraeumen{StatusBar1};
    const TKarte &karte = Dokument->karte();
    if (frage.clickedButton() == ganz) {
        DateiErsetzen(pfad, BildDaten(KartenBild(karte), BildFormat::Png));
        return;
    }
    // A page of a forged map may be as large as a whole map: the same bound.
    if (const BildMass mass{karte.SeitenBreite, karte.SeitenHoehe}; mass.pixel() > MaxBildPixel)
        throw BildZuGross(mass);
    DateiErsetzen(pfad, BildDaten(SeitenBild(karte, std::clamp(AktuelleSeite, 1, SichtbareSeiten(karte))),
                                  BildFormat::Png));
}
