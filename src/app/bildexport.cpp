#include "bildexport.h"

#include "bilddatei.h"
#include "dateiersetzen.h"
#include "dateiname.h"
#include "dateispalten.h"
#include "kartenbild.h"
#include "kartendokument.h"
#include "seitenanordnung.h"
#include "tbildexportdlg.h"

#include <QApplication>
#include <QFileInfo>
#include <QStatusBar>

#include <algorithm>

BildExport::BildExport(const KartenDokument &dokument, QStatusBar &status, QWidget &fenster)
    : QObject(&fenster), m_dokument(dokument), m_status(status), m_fenster(fenster)
{
}

QString BildExport::vorschlag(const QString &endung) const
{
    const QString &datei = m_dokument.dateiname();
    const bool nebenDerKarte = !datei.isEmpty() && datei != m_letzteKarte;
    return BildVorschlag(datei, m_dokument.karte().KartenName, nebenDerKarte ? QString() : m_ordner, endung);
}

void BildExport::exportieren(int aktuelleSeite)
{
    if (!m_auswahl) {
        m_auswahl = new TBildExportDlg(&m_fenster);
        m_auswahl->setObjectName(QStringLiteral("BildExportDlg"));
    }
    if (m_auswahl->exec() != QDialog::Accepted)
        return;

    if (!m_datei) {
        m_datei = DateiDialogAnlegen(&m_fenster, QFileDialog::AcceptSave, {});
        m_datei->setObjectName(QStringLiteral("BildDialog1"));
        m_datei->setWindowTitle(QStringLiteral("Als Bild exportieren"));
    }
    const bool bmp = m_auswahl->format() == BildFormat::Bmp;
    m_datei->setNameFilters({bmp ? QStringLiteral("BMP-Bild (*.bmp)") : QStringLiteral("PNG-Bild (*.png)")});
    m_datei->setDefaultSuffix(bmp ? QStringLiteral("bmp") : QStringLiteral("png"));
    const QString angeboten = vorschlag(m_auswahl->endung());
    m_datei->setDirectory(QFileInfo(angeboten).absolutePath());
    m_datei->selectFile(angeboten);
    if (m_datei->exec() != QDialog::Accepted || m_datei->selectedFiles().isEmpty())
        return;
    const QString pfad = m_datei->selectedFiles().constFirst();
    m_ordner = QFileInfo(pfad).absolutePath();
    m_letzteKarte = m_dokument.dateiname();
    // A name typed with the other picture extension gets that format.
    const BildFormat format = BildFormatFuerName(pfad).value_or(m_auswahl->format());

    // A large map takes a moment to draw and encode: the wait cursor and the
    // status bar say so until the file is written.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_status.showMessage(QStringLiteral("Bild wird gezeichnet ..."));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    struct Aufraeumen
    {
        QStatusBar &leiste;
        ~Aufraeumen()
        {
            leiste.clearMessage();
            QApplication::restoreOverrideCursor();
        }
    } aufraeumen{m_status};
    const TKarte &karte = m_dokument.karte();
    const double massstab = m_auswahl->massstab();
    const QImage bild = m_auswahl->ganzeKarte()
                            ? KartenBild(karte, massstab)
                            : SeitenBild(karte, std::clamp(aktuelleSeite, 1, SichtbareSeiten(karte)), massstab);
    DateiErsetzen(pfad, BildDaten(bild, format));
}
