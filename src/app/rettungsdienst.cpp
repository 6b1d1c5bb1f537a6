#include "rettungsdienst.h"

#include "apperror.h"
#include "kartendokument.h"
#include "trettungskopiendlg.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>

namespace {

// The reason in the failure box; very long names are cut.
QString KartenTitel(const Rettungskopie &kopie)
{
    constexpr int MaxZeichen = 80;
    if (kopie.kartenName.isEmpty())
        return QStringLiteral("Unbenannt");
    if (kopie.kartenName.size() <= MaxZeichen)
        return kopie.kartenName;
    return kopie.kartenName.left(MaxZeichen) + QStringLiteral("…");
}

} // namespace

Rettungsdienst::Rettungsdienst(KartenDokument &dokument, const QString &ordner, QObject *parent, int abstandMs)
    : QObject(parent), m_dokument(dokument), m_ablage(ordner)
{
    m_abstand.setSingleShot(true);
    m_abstand.setInterval(abstandMs);
    connect(&m_abstand, &QTimer::timeout, this, &Rettungsdienst::schreiben);
    // A stroke grows its one step field by field: every painted field counts
    // as a change, not only a new step.
    connect(&dokument.verlauf(), &QUndoStack::indexChanged, this, &Rettungsdienst::geaendert);
    connect(&dokument, &KartenDokument::felderGeaendert, this, &Rettungsdienst::geaendert);
    // Back in the saved state, or another map opened: nothing to recover.
    connect(&dokument, &KartenDokument::geaendertGewechselt, this, [this](bool geaendert) {
        if (!geaendert)
            entfernen();
    });
}

void Rettungsdienst::geaendert()
{
    // Not restarted by later changes: those go into the same write.
    if (m_dokument.istGeaendert() && !m_abstand.isActive())
        m_abstand.start();
}

bool Rettungsdienst::schreiben()
{
    m_abstand.stop();
    // A copy that cannot be written must not interrupt the painting with an
    // error box; the next change tries again.
    try {
        m_ablage.schreiben(m_dokument.karte(), m_dokument.dateiname());
        return true;
    } catch (const AppError &fehler) {
        qWarning("Rettungskopie nicht geschrieben: %s", qUtf8Printable(fehler.message()));
        return false;
    }
}

void Rettungsdienst::entfernen()
{
    m_abstand.stop();
    m_ablage.entfernen();
}

void Rettungsdienst::beenden()
{
    entfernen();
}

std::optional<QString> Rettungsdienst::anbieten(QWidget *fenster)
{
    const std::vector<Rettungskopie> kopien = VerwaisteRettungskopien(m_ablage.ordner());
    if (kopien.empty())
        return std::nullopt;
    TRettungskopienDlg dlg(kopien, fenster);
    switch (dlg.exec()) {
    case TRettungskopienDlg::Retten: {
        const Rettungskopie &kopie = kopien[std::size_t(dlg.gewaehlt())];
        if (retten(kopie, fenster))
            return kopie.dateiname;
        break;
    }
    case TRettungskopienDlg::Verwerfen:
        for (const Rettungskopie &kopie : kopien)
            RettungskopieEntfernen(kopie);
        break;
    default:
        break;
    }
    return std::nullopt;
}

bool Rettungsdienst::retten(const Rettungskopie &kopie, QWidget *fenster)
{
    QString grund;
    try {
        // The folder is this user's alone: a link in it was put there.
        if (QFileInfo(kopie.kartenPfad).isSymLink())
            grund = QStringLiteral("Die Kopie ist ein Verweis auf eine andere Datei.");
        else if (!m_dokument.rettungskopieOeffnen(kopie.kartenPfad))
            grund = QStringLiteral("Die Kopie ist beschädigt oder enthält keine gültige Spielkarte.");
    } catch (const AppError &fehler) {
        grund = errorBoxText(fehler.message());
    }
    if (grund.isEmpty()) {
        // The map is copied under this run first; only then does the old copy go.
        if (schreiben())
            RettungskopieEntfernen(kopie);
        return true;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"),
                    QStringLiteral("Die Karte \"%1\" kann nicht wiederhergestellt werden.\n%2")
                        .arg(KartenTitel(kopie), grund),
                    QMessageBox::NoButton, fenster);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(QStringLiteral("Verwerfen löscht die Kopie; Behalten bietet sie beim nächsten Start wieder an."));
    QPushButton *verwerfen = box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton *behalten = box.addButton(QStringLiteral("Behalten"), QMessageBox::RejectRole);
    box.setDefaultButton(behalten);
    box.exec();
    if (box.clickedButton() == verwerfen)
        RettungskopieEntfernen(kopie);
    return false;
}
