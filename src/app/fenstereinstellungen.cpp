// The main window's remembered settings and its list of recent maps.
#include "tzendaromain.h"

#include "palettenleiste.h"
#include "standardleiste.h"
#include "toptionendlg.h"
#include "uebersicht.h"
#include "zuletzt.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QMenu>
#include <QSettings>

namespace {

constexpr Palette PalettenSeiten[] = {Palette::Gruenland, Palette::Wueste, Palette::KuesteMeer};

} // namespace

bool TZendaroMain::EinstellungenLaden(QSettings &speicher)
{
    m_einstellungen = &speicher;
    const Einstellungen e = EinstellungenLesen(speicher);
    einstellungenAnwenden(e);
    OptionenDlg->CheckBox2->setChecked(BeimBeendenSpeichernLesen(speicher));
    ZuletztGeoeffnet = ZuletztLesen(speicher);
    // Unchecking must reach the file at once: the end will not write it.
    connect(OptionenDlg->CheckBox2, &QCheckBox::toggled, this,
            [this](bool an) { BeimBeendenSpeichernSchreiben(*m_einstellungen, an); });
    return !e.fensterGeometrie.isEmpty() && restoreGeometry(e.fensterGeometrie);
}

void TZendaroMain::EinstellungenBeimBeenden()
{
    if (m_einstellungen && OptionenDlg->CheckBox2->isChecked())
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
    e.oeffnenOrdner = OpenDialog1->directory().absolutePath();
    e.speichernOrdner = SaveDialog1->directory().absolutePath();
    e.sound = OptionenDlg->CheckBox1->isChecked();
    e.sicherungskopie = OptionenDlg->SicherungBox->isChecked();
    e.ressourcen = OptionenDlg->Ressourcen();
    e.zoom = Zoom.prozent;
    // An overview never shown has no place of its own yet.
    if (Uebersicht->testAttribute(Qt::WA_Moved))
        e.uebersichtGeometrie = Uebersicht->saveGeometry();
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
                   {Menue.Statusleiste1, e.statusleiste, &TZendaroMain::Statusleiste1Click}};
    for (const auto &leiste : leisten) {
        leiste.punkt->setChecked(leiste.sichtbar);
        (this->*leiste.umschalten)();
    }
    // A tile without a palette button keeps the palette that was shown.
    HolderPanel->paletteZeigen(PalettenSeiten[e.palette]);
    AktuellenFeldtypSetzen(e.feldtyp);
    if (!e.oeffnenOrdner.isEmpty())
        OpenDialog1->setDirectory(e.oeffnenOrdner);
    if (!e.speichernOrdner.isEmpty())
        SaveDialog1->setDirectory(e.speichernOrdner);
    OptionenDlg->CheckBox1->setChecked(e.sound);
    OptionenDlg->SicherungBox->setChecked(e.sicherungskopie);
    if (e.ressourcen)
        OptionenDlg->RessourcenSetzen(*e.ressourcen);
    ZoomSetzen(e.zoom, {});
    if (!e.uebersichtGeometrie.isEmpty())
        Uebersicht->restoreGeometry(e.uebersichtGeometrie);
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
