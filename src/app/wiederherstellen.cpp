// Recovery copies of the modified map, and their offer at the next start.
#include "tzendaromain.h"

#include "apperror.h"
#include "kartendokument.h"
#include "twiederherstellendlg.h"

#include <QCoreApplication>
#include <QTimer>
#include <QUndoStack>

namespace {

constexpr int KopieAbstandMs = 60 * 1000;

} // namespace

void TZendaroMain::WiederherstellungEinrichten(const QString &ordner)
{
    m_wiederherstellung.emplace(ordner, QCoreApplication::applicationPid());
    m_kopieTimer = new QTimer(this);
    m_kopieTimer->setInterval(KopieAbstandMs);
    connect(m_kopieTimer, &QTimer::timeout, this, [this] {
        if (KarteGeaendert() && m_kopieVeraltet)
            kopieSchreiben();
    });
    m_kopieTimer->start();
    connect(&Dokument->verlauf(), &QUndoStack::indexChanged, this, [this] { m_kopieVeraltet = true; });
    // The first change after a save, open or new is copied at once; back in
    // the saved state there is nothing to recover.
    connect(Dokument, &KartenDokument::geaendertGewechselt, this, [this](bool geaendert) {
        if (geaendert)
            kopieSchreiben();
        else
            kopieEntfernen();
    });
}

void TZendaroMain::kopieSchreiben()
{
    if (!m_wiederherstellung)
        return;
    // A copy that cannot be written must not interrupt the painting with an
    // error box every minute; the next attempt may succeed.
    try {
        m_wiederherstellung->schreiben(Dokument->karte(), Dokument->dateiname());
        m_kopieVeraltet = false;
    } catch (const AppError &fehler) {
        qWarning("Wiederherstellungskopie nicht geschrieben: %s", fehler.what());
    }
}

void TZendaroMain::kopieEntfernen()
{
    if (m_wiederherstellung)
        m_wiederherstellung->entfernen();
}

void TZendaroMain::WiederherstellungAnbieten()
{
    if (!m_wiederherstellung)
        return;
    const auto kopien = VerwaisteKopien(m_wiederherstellung->ordner());
    if (kopien.empty())
        return;
    TWiederherstellenDlg dlg(kopien, this);
    switch (dlg.exec()) {
    case TWiederherstellenDlg::Wiederherstellen: {
        const Wiederherstellungskopie &kopie = kopien[std::size_t(dlg.gewaehlt())];
        befehl([&] {
            // The map is copied under this run's name as soon as it counts as
            // modified; only then does the old copy go.
            if (Dokument->wiederherstellen(kopie.kartenPfad, kopie.dateiname)) {
                AktuelleSeite = 1;
                KopieEntfernen(kopie);
            }
        });
        break;
    }
    case TWiederherstellenDlg::Verwerfen:
        for (const Wiederherstellungskopie &kopie : kopien)
            KopieEntfernen(kopie);
        break;
    default:
        break;
    }
}
