#include "kantenbefehle.h"

#include "kantenfehler.h"
#include "kantenpinsel.h"
#include "kartenansicht.h"
#include "kartendokument.h"
#include "statusleiste.h"
#include "werkzeugsteuerung.h"

#include <QAction>

void KantenBefehleVerbinden(KartenDokument &dokument, const Werkzeugsteuerung &werkzeuge, const HauptMenue &menue,
                            TStatusLeiste &status, KartenAnsicht &ansicht)
{
    QObject::connect(menue.KantenAutomatisch1, &QAction::toggled, &status, &TStatusLeiste::kantenAutomatischZeigen);

    QObject::connect(menue.KantenReparieren1, &QAction::triggered, &dokument, [&dokument, &werkzeuge] {
        const TKarte &karte = dokument.karte();
        FeldEntwurf entwurf(karte);
        KantenReparieren(entwurf, FeldRaster(karte), werkzeuge.auswahl());
        dokument.felderSetzen(QStringLiteral("Kanten reparieren"), entwurf.aenderungen());
    });

    QAction *zeigen = menue.Kantenfehler1;
    const auto aktualisieren = [zeigen, &dokument, &status, &ansicht] {
        const bool an = zeigen->isChecked();
        std::vector<FeldOrt> fehler;
        if (an)
            fehler = KantenFehler(dokument.karte());
        status.kantenFehlerZeigen(an ? int(fehler.size()) : -1);
        ansicht.setKantenFehler(std::move(fehler));
    };
    QObject::connect(zeigen, &QAction::toggled, &ansicht, aktualisieren);
    QObject::connect(&dokument, &KartenDokument::felderGeaendert, &ansicht, aktualisieren);
    QObject::connect(&dokument, &KartenDokument::anordnungGeaendert, &ansicht, aktualisieren);
}
