// The main window's remembered settings and its list of recent maps.
#include "tzendaromain.h"

#include "bildexport.h"
#include "palettenleiste.h"
#include "standardleiste.h"
#include "uebersicht.h"
#include "zuletzt.h"

#include <QGuiApplication>
#include <QScreen>
#include <QFileDialog>
#include <QMenu>
#include <QSettings>
#include <QTimer>

#include <algorithm>

namespace {

constexpr Palette PalettenSeiten[] = {Palette::Gruenland, Palette::Wueste, Palette::KuesteMeer};

// A place saved under other screens, or a forged one, may be far off, larger
// than any screen (a window of 32767 pixels square takes gigabytes) or too
// small to use. It is tried on a hidden stand-in first and taken only when
// the window fits on a screen and is large enough; then it is moved wholly
// onto that screen. A place not taken leaves the window untouched.
bool GeometrieHolen(QWidget &fenster, const QByteArray &geometrie, QSize mindestens)
{
    QWidget probe;
    if (geometrie.isEmpty() || !probe.restoreGeometry(geometrie))
        return false;
    const QRect rahmen = probe.frameGeometry();
    const QScreen *bildschirm = QGuiApplication::screenAt(rahmen.center());
    if (!bildschirm)
        bildschirm = QGuiApplication::primaryScreen();
    const QRect platz = bildschirm ? bildschirm->availableGeometry() : QRect();
    if (rahmen.width() > platz.width() || rahmen.height() > platz.height() || rahmen.width() < mindestens.width()
        || rahmen.height() < mindestens.height() || !fenster.restoreGeometry(geometrie))
        return false;
    // Moved only as far as the screen asks: a hidden window knows no frame
    // yet, and a move of its own position would shift it by the frame on
    // every run.
    const QRect ort = fenster.frameGeometry();
    const QPoint passend(
        std::clamp(ort.left(), platz.left(), std::max(platz.left(), platz.right() + 1 - ort.width())),
        std::clamp(ort.top(), platz.top(), std::max(platz.top(), platz.bottom() + 1 - ort.height())));
    if (passend != ort.topLeft())
        fenster.move(fenster.pos() + passend - ort.topLeft());
    return true;
}

} // namespace

bool TZendaroMain::EinstellungenLaden(QSettings &speicher)
{
    m_einstellungen = &speicher;
    const Einstellungen e = EinstellungenLesen(speicher);
    einstellungenAnwenden(e);
    Optionen optionen = m_optionen;
    optionen.beimBeendenSpeichern = BeimBeendenSpeichernLesen(speicher);
    OptionenSetzen(optionen);
    ZuletztGeoeffnet = ZuletztLesen(speicher);
    return GeometrieHolen(*this, e.fensterGeometrie, QSize(320, 240));
}

void TZendaroMain::EinstellungenBeimBeenden()
{
    if (m_einstellungen && m_optionen.beimBeendenSpeichern)
        EinstellungenSchreiben(*m_einstellungen, EinstellungenErfassen());
}

Einstellungen TZendaroMain::EinstellungenErfassen() const
{
    Einstellungen e;
    e.fensterGeometrie = saveGeometry();
    e.fensterZustand = saveState();
    e.standardleiste = Menue.Standardleiste1->isChecked();
    e.werkzeugleiste = Menue.Werkzeugleiste1->isChecked();
    e.statusleiste = Menue.Statusleiste1->isChecked();
    e.palette = int(std::find(std::begin(PalettenSeiten), std::end(PalettenSeiten), HolderPanel->gezeigtePalette())
                    - std::begin(PalettenSeiten));
    e.feldtyp = AktuellerFeldtyp;
    e.kantenAutomatisch = Menue.KantenAutomatisch1->isChecked();
    e.zufall = Menue.Zufall1->isChecked();
    e.oeffnenOrdner = OpenDialog1->directory().absolutePath();
    e.speichernOrdner = SaveDialog1->directory().absolutePath();
    e.bildOrdner = BildExporter->ordner();
    e.sound = m_optionen.sound;
    e.sicherungskopie = m_optionen.sicherungskopie;
    e.ressourcen = m_optionen.ressourcen;
    e.zoom = Zoom.prozent;
    // An overview never shown has no place of its own yet.
    if (Uebersicht->testAttribute(Qt::WA_Moved))
        e.uebersichtGeometrie = Uebersicht->saveGeometry();
    e.raster = Menue.Raster1->isChecked();
    e.uebersicht = Menue.Uebersicht1->isChecked();
    return e;
}

void TZendaroMain::einstellungenAnwenden(const Einstellungen &e)
{
    if (!e.fensterZustand.isEmpty())
        restoreState(e.fensterZustand);
    const struct
    {
        QAction *punkt;
        bool sichtbar;
        void (TZendaroMain::*umschalten)();
    } leisten[] = {{Menue.Standardleiste1, e.standardleiste, &TZendaroMain::Standardleiste1Click},
                   {Menue.Werkzeugleiste1, e.werkzeugleiste, &TZendaroMain::Werkzeugleiste1Click},
                   {Menue.Statusleiste1, e.statusleiste, &TZendaroMain::Statusleiste1Click},
                   {Menue.Raster1, e.raster, &TZendaroMain::Raster1Click}};
    for (const auto &leiste : leisten) {
        leiste.punkt->setChecked(leiste.sichtbar);
        (this->*leiste.umschalten)();
    }
    // A tile without a palette button keeps the palette that was shown.
    HolderPanel->paletteZeigen(PalettenSeiten[e.palette]);
    AktuellenFeldtypSetzen(e.feldtyp);
    Menue.KantenAutomatisch1->setChecked(e.kantenAutomatisch);
    Menue.Zufall1->setChecked(e.zufall);
    if (!e.oeffnenOrdner.isEmpty())
        OpenDialog1->setDirectory(e.oeffnenOrdner);
    if (!e.speichernOrdner.isEmpty())
        SaveDialog1->setDirectory(e.speichernOrdner);
    BildExporter->setOrdner(e.bildOrdner);
    Optionen optionen = m_optionen;
    optionen.sound = e.sound;
    optionen.sicherungskopie = e.sicherungskopie;
    if (e.ressourcen)
        optionen.ressourcen = *e.ressourcen;
    OptionenSetzen(optionen);
    ZoomSetzen(e.zoom, {});
    GeometrieHolen(*Uebersicht, e.uebersichtGeometrie, QSize(64, 48));
    // The overview opens once the window is up, over its map.
    Menue.Uebersicht1->setChecked(e.uebersicht);
    QTimer::singleShot(0, this, &TZendaroMain::Uebersicht1Click);
}

// Another editor running beside this one may have added maps meanwhile: the
// stored list is the one to extend.
void TZendaroMain::zuletztMerken(const QString &pfad)
{
    if (m_einstellungen) {
        m_einstellungen->sync();
        ZuletztGeoeffnet = ZuletztLesen(*m_einstellungen);
    }
    ZuletztGeoeffnet = ZuletztVorne(ZuletztGeoeffnet, pfad);
    if (m_einstellungen)
        ZuletztSchreiben(*m_einstellungen, ZuletztGeoeffnet);
}
