#include "kartendokument.h"

#include "apperror.h"
#include "dateiersetzen.h"
#include "eigenschaftenaendern.h"
#include "feldbilder.h"
#include "felderschritt.h"
#include "groesseaendern.h"
#include "kartendatei.h"

#include <algorithm>
#include <memory>

KartenDokument::KartenDokument(QObject *parent) : QObject(parent)
{
    connect(&m_verlauf, &QUndoStack::cleanChanged, this, [this](bool sauber) { emit geaendertGewechselt(!sauber); });
}

// The history empties itself as it goes, and its listeners (the window that
// owns this document, say) may be half gone by then: nobody hears of it.
KartenDokument::~KartenDokument()
{
    m_verlauf.disconnect();
}

void KartenDokument::dateinameSetzen(const QString &dateiname)
{
    if (dateiname == m_dateiname)
        return;
    m_dateiname = dateiname;
    emit dateinameGeaendert(m_dateiname);
}

void KartenDokument::startKarteAnlegen(const QStringList &blattOrdner)
{
    StandardKarteAnlegen(m_karte, blattOrdner);
    neuBeginnen();
}

void KartenDokument::neu(const KartenEigenschaften &eigenschaften)
{
    if (eigenschaften.seiten != 0)
        StandardGroesseSetzen(m_karte, eigenschaften.seiten);
    m_karte.KartenName = eigenschaften.name;
    m_karte.ZeitLimit = eigenschaften.zeitLimit;
    const int seiten = std::min<int>(m_karte.AnzahlSeiten, MaxSeiten);
    const int felder = std::clamp(m_karte.AnzahlFelder, 0, MaxFelder);
    for (int seite = 1; seite <= seiten; ++seite)
        std::fill_n(m_karte.Felder[seite].begin() + 1, felder, std::uint8_t(1));
    dateinameSetzen({});
    neuBeginnen();
}

bool KartenDokument::lesen(const QString &pfad)
{
    auto neu = std::make_unique<TKarte>(m_karte);
    if (!DateiLesen(*neu, pfad))
        return false;
    // The view scales the tile images to the field size: a forged one would
    // make it build gigabytes.
    if (neu->FeldGroesse > MaxFeldGroesse)
        throw AppError(QStringLiteral("Die Karte hat Felder von %1 Pixeln; Zendaro bearbeitet Felder bis %2 Pixel")
                           .arg(neu->FeldGroesse)
                           .arg(MaxFeldGroesse));
    m_karte = std::move(*neu);
    return true;
}

bool KartenDokument::oeffnen(const QString &pfad)
{
    if (!lesen(pfad))
        return false;
    dateinameSetzen(pfad);
    neuBeginnen();
    return true;
}

bool KartenDokument::rettungskopieOeffnen(const QString &kopie)
{
    if (!lesen(kopie))
        return false;
    dateinameSetzen({});
    neuBeginnen();
    m_verlauf.resetClean();
    return true;
}

void KartenDokument::speichern(const QString &pfad, bool direkt)
{
    if (direkt)
        DateiUeberschreiben(pfad, KartenText(m_karte, m_karte.KartenName));
    else
        DateiSchreiben(m_karte, pfad, m_karte.KartenName);
    dateinameSetzen(pfad);
    m_verlauf.setClean();
}

void KartenDokument::feldBilderFreigeben()
{
    m_karte.FeldBilder = {};
}

void KartenDokument::neuBeginnen()
{
    m_strich = 0;
    m_verlauf.clear();
    emit anordnungGeaendert();
    emit eigenschaftenGeaendert();
}

void KartenDokument::strichBeginnen()
{
    m_strich = ++m_letzterStrich;
}

void KartenDokument::strichBeenden()
{
    m_strich = 0;
}

bool KartenDokument::feldMalen(FeldOrt ort, std::uint8_t code)
{
    const FeldCode feld{ort.seite, ort.feld, code};
    return felderSetzen(malenText(), {&feld, 1});
}

bool KartenDokument::felderSetzen(const QString &name, std::span<const FeldCode> felder)
{
    const int seiten = std::min<int>(m_karte.AnzahlSeiten, MaxSeiten);
    const int anzahl = std::min(m_karte.AnzahlFelder, MaxFelder);
    FeldAenderungen aenderungen;
    for (const FeldCode &feld : felder) {
        if (feld.seite < 1 || feld.seite > seiten || feld.feld < 1 || feld.feld > anzahl)
            continue;
        const std::uint8_t alt = m_karte.Felder[feld.seite][std::size_t(feld.feld)];
        if (alt != feld.code)
            aenderungen.eintragen({feld.seite, feld.feld}, alt, feld.code);
    }
    if (aenderungen.leer())
        return false;
    m_verlauf.push(new FelderSchritt(*this, name, std::move(aenderungen), m_strich));
    return true;
}

void KartenDokument::eigenschaftenAendern(const KartenEigenschaften &eigenschaften)
{
    auto schritt = std::make_unique<QUndoCommand>(QStringLiteral("Eigenschaften"));
    if (eigenschaften.name != m_karte.KartenName || eigenschaften.zeitLimit != m_karte.ZeitLimit)
        new EigenschaftenAendern(*this, eigenschaften.name, eigenschaften.zeitLimit, schritt.get());
    if (eigenschaften.seiten != 0 && !HatStandardGroesse(m_karte, eigenschaften.seiten)) {
        // The size is what the user will look for in the history.
        schritt->setText(QStringLiteral("Größe"));
        new GroesseAendern(*this, eigenschaften.seiten, schritt.get());
    }
    if (schritt->childCount() > 0)
        m_verlauf.push(schritt.release());
}

void KartenDokument::zufallskarteAnlegen(const ZufallskartenEinstellungen &einstellungen)
{
    auto neu = std::make_unique<TKarte>(m_karte);
    ZufallskarteErzeugen(*neu, einstellungen);
    m_verlauf.push(new GroesseAendern(*this, *neu, QStringLiteral("Zufallskarte")));
}
