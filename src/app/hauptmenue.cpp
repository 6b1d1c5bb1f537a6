#include "hauptmenue.h"

#include "feldkatalog.h"
#include "helpcontexts.h"
#include "hilfekontext.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <cstring>

namespace {

namespace K = HilfeKontext;

QAction *punkt(QMenu *menue, const char *name, const QString &text, quint32 hilfe = 0, bool aktiv = true,
               const QKeySequence &taste = {})
{
    QAction *action = menue->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (hilfe)
        action->setProperty(HilfeKontextEigenschaft, hilfe);
    action->setEnabled(aktiv);
    action->setShortcut(taste);
    return action;
}

template<typename Eltern>
QMenu *untermenue(Eltern *eltern, const char *name, const QString &text, quint32 hilfe = 0)
{
    QMenu *menue = eltern->addMenu(text);
    menue->setObjectName(QString::fromLatin1(name));
    if (hilfe)
        menue->menuAction()->setProperty(HilfeKontextEigenschaft, hilfe);
    return menue;
}

QAction *trenner(QMenu *menue, const char *name = "", quint32 hilfe = 0)
{
    QAction *linie = menue->addSeparator();
    linie->setObjectName(QString::fromLatin1(name));
    if (hilfe)
        linie->setProperty(HilfeKontextEigenschaft, hilfe);
    return linie;
}

// Menus without commands, kept in the design's form: "-" is a separator; an
// entry with sub-entries is a submenu. Entries without their own help context
// take the menu's.
struct Eintrag
{
    QString text;
    quint32 hilfe = 0;
    bool aktiv = true;
    std::vector<Eintrag> unter = {};
};

void eintraegeAnlegen(QMenu *menue, const std::vector<Eintrag> &eintraege, quint32 standardHilfe)
{
    for (const Eintrag &e : eintraege) {
        const quint32 hilfe = e.hilfe ? e.hilfe : standardHilfe;
        if (!e.unter.empty()) {
            QMenu *unter = untermenue(menue, "", e.text, hilfe);
            eintraegeAnlegen(unter, e.unter, hilfe);
        } else if (e.text == QLatin1String("-")) {
            trenner(menue, "", hilfe);
        } else {
            punkt(menue, "", e.text, hilfe, e.aktiv);
        }
    }
}

// A "&Karte" submenu of tile items, each selecting the code the catalogue
// gives for its caption. "|" marks a column break.
void feldMenue(QMenu *karte, HauptMenue &m, const char *name, const char *text, quint32 hilfe,
               std::initializer_list<const char *> punkte)
{
    QMenu *menue = untermenue(karte, name, QString::fromUtf8(text), hilfe);
    bool umbruch = false;
    for (const char *beschriftung : punkte) {
        if (std::strcmp(beschriftung, "-") == 0 || std::strcmp(beschriftung, "|") == 0) {
            trenner(menue);
            umbruch = *beschriftung == '|';
            continue;
        }
        for (const FeldTyp &typ : FeldKatalog()) {
            if (typ.menue && std::strcmp(typ.menue, text) == 0 && std::strcmp(typ.menuePunkt, beschriftung) == 0) {
                QAction *action = punkt(menue, "", QString::fromUtf8(beschriftung));
                action->setData(typ.code);
                if (umbruch)
                    action->setProperty(SpaltenUmbruchEigenschaft, true);
                umbruch = false;
                m.feldPunkte.push_back(action);
            }
        }
    }
}

// The platform's key for a standard command; where it has none (Save As on a
// bare X11 desktop), the usual one.
void standardTaste(QAction *action, QKeySequence::StandardKey taste, const QKeySequence &ersatz)
{
    const QList<QKeySequence> tasten = QKeySequence::keyBindings(taste);
    action->setShortcuts(tasten.isEmpty() ? QList<QKeySequence>{ersatz} : tasten);
}

void dateiMenue(QMenuBar &leiste, HauptMenue &m)
{
    QMenu *datei = untermenue(&leiste, "Datei1", QStringLiteral("&Datei"));
    m.NeueKarte1 = punkt(datei, "NeueKarte1", QStringLiteral("&Neue Karte..."));
    QMenu *neu = untermenue(datei, "Neu1", QStringLiteral("&Neu"));
    eintraegeAnlegen(neu, {{QStringLiteral("&Karte"), K::NeuKarte}, {QStringLiteral("Spiel ...")},
                           {QStringLiteral("&Objekt ...")}}, 0);
    neu->menuAction()->setVisible(false);
    m.ffnen1 = punkt(datei, "ffnen1", QStringLiteral("&Öffnen ..."), K::Oeffnen);
    m.Zuletzt1 = untermenue(datei, "Zuletzt1", QStringLiteral("&Zuletzt geöffnet"));
    trenner(datei, "N2");
    m.Speichern1 = punkt(datei, "Speichern1", QStringLiteral("&Speichern"), K::Speichern);
    m.Speichernunter1 = punkt(datei, "Speichernunter1", QStringLiteral("Speichern &unter ..."), K::SpeichernUnter);
    m.AlsBildExportieren1 = punkt(datei, "AlsBildExportieren1", QStringLiteral("Als Bild e&xportieren ..."),
                                  K::AlsBildExportieren);
    trenner(datei, "N1");
    m.Beenden1 = punkt(datei, "Beenden1", QStringLiteral("&Beenden"), K::Beenden);
    standardTaste(m.NeueKarte1, QKeySequence::New, Qt::CTRL | Qt::Key_N);
    standardTaste(m.ffnen1, QKeySequence::Open, Qt::CTRL | Qt::Key_O);
    standardTaste(m.Speichern1, QKeySequence::Save, Qt::CTRL | Qt::Key_S);
    standardTaste(m.Speichernunter1, QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    standardTaste(m.Beenden1, QKeySequence::Quit, Qt::CTRL | Qt::Key_Q);
}

// Undo and redo name their step once the main window knows the history.
void bearbeitenMenue(QMenuBar &leiste, HauptMenue &m)
{
    QMenu *bearbeiten = untermenue(&leiste, "Bearbeiten1", QStringLiteral("&Bearbeiten"));
    m.RckgngigBefehl1 = punkt(bearbeiten, "RckgngigBefehl1", QStringLiteral("&Rückgängig <Befehl>"), K::Rueckgaengig,
                              false, QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.Wiederherstellen1 = punkt(bearbeiten, "Wiederherstellen1", QStringLiteral("Wiederherstellen"), K::Wiederherstellen,
                                false);
    m.Wiederherstellen1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    trenner(bearbeiten, "N3");
    m.Ausschneiden1 = punkt(bearbeiten, "Ausschneiden1", QStringLiteral("&Ausschneiden"), K::Ausschneiden, false, QKeySequence(Qt::CTRL | Qt::Key_X));
    m.Kopieren1 = punkt(bearbeiten, "Kopieren1", QStringLiteral("&Kopieren"), K::Kopieren, false, QKeySequence(Qt::CTRL | Qt::Key_C));
    m.Einfgen1 = punkt(bearbeiten, "Einfgen1", QStringLiteral("&Einfügen ..."), K::Einfuegen, false,
                       QKeySequence(Qt::CTRL | Qt::Key_V));
    m.Lschen1 = punkt(bearbeiten, "Lschen1", QStringLiteral("&Löschen"), K::Loeschen, false, QKeySequence(Qt::CTRL | Qt::Key_D));
}

void einheitenMenue(QMenuBar &leiste)
{
    QMenu *einheiten = untermenue(&leiste, "Einheiten1", QStringLiteral("&Einheiten"));
    const QString t = QStringLiteral("-");
    eintraegeAnlegen(einheiten, {
        {QStringLiteral("&Gebäude"), 0, true, {
            {QStringLiteral("&Hof")}, {QStringLiteral("&Wirtshaus")}, {t},
            {QStringLiteral("W&achturm")}, {QStringLiteral("&Ritterburg")}, {QStringLiteral("&Grafenburg")}, {t},
            {QStringLiteral("Ha&fen")}, {QStringLiteral("Schloß (&Herzog)")}, {QStringLiteral("Schloß (&König)")}}},
        {t}, {QStringLiteral("G&rab")}, {QStringLiteral("&Skulptur")}, {QStringLiteral("S&traße")}, {t, K::EinheitenObjekte},
        {QStringLiteral("&Figuren"), 0, true, {
            {QStringLiteral("&Bauer")}, {QStringLiteral("&Drache")}, {QStringLiteral("Ri&tter")}, {QStringLiteral("&Hexe")},
            {QStringLiteral("&Räuber")}, {QStringLiteral("&Schaf")}, {QStringLiteral("Sch&iff")}, {QStringLiteral("&Zauberer")}}},
        {t, K::EinheitenFiguren},
        {QStringLiteral("&Ereignisse"), K::EinheitenEreignisse, true, {
            {QStringLiteral("&Explosion")}, {QStringLiteral("&Feuer")}, {QStringLiteral("&Hagel")}, {QStringLiteral("&Wirbelsturm")}}},
        {t, K::EinheitenFiguren},
        {QStringLiteral("&Benutzerdefiniert"), K::EinheitenBenutzerdefiniert, true,
         {{QStringLiteral("- nichts -"), K::EinheitenBenutzerdefiniert, false}}},
    }, K::Einheiten);
    einheiten->menuAction()->setEnabled(false);
    einheiten->menuAction()->setVisible(false);
}

// The tools with their tool bar pictures and single-key shortcuts, one
// checked at a time, in the order of their list.
void werkzeugPunkte(QMenu *karte, HauptMenue &m, std::span<const WerkzeugInfo> werkzeuge)
{
    trenner(karte, "N30", K::Pinsel);
    m.werkzeugGruppe = new QActionGroup(karte);
    for (const WerkzeugInfo &info : werkzeuge) {
        QAction *action = punkt(karte, "", info.menueText, info.hilfe, true, info.taste);
        action->setIcon(QIcon(QStringLiteral(":/toolbar/%1").arg(info.bild)));
        action->setToolTip(QStringLiteral("%1 (%2)").arg(info.name, info.taste.toString(QKeySequence::NativeText)));
        action->setCheckable(true);
        m.werkzeugGruppe->addAction(action);
        m.werkzeugPunkte.push_back(action);
    }
    m.werkzeugPunkte.front()->setChecked(true);
    trenner(karte, "N31", K::KantenAutomatisch);
    m.KantenAutomatisch1 = punkt(karte, "KantenAutomatisch1", QStringLiteral("&Kanten automatisch"), K::KantenAutomatisch);
    m.KantenAutomatisch1->setIcon(QIcon(QStringLiteral(":/toolbar/19")));
    m.KantenAutomatisch1->setCheckable(true);
    m.KantenAutomatisch1->setChecked(true);
    m.KantenReparieren1 = punkt(karte, "KantenReparieren1", QStringLiteral("Ka&nten reparieren"), K::KantenReparieren);
    m.Zufall1 = punkt(karte, "Zufall1", QStringLiteral("Z&ufall"), K::Zufall);
    m.Zufall1->setIcon(QIcon(QStringLiteral(":/toolbar/21")));
    m.Zufall1->setToolTip(QStringLiteral("Zufall: Wiese, Sand und Bäume in Varianten malen"));
    m.Zufall1->setCheckable(true);
}

void karteMenue(QMenuBar &leiste, HauptMenue &m, std::span<const WerkzeugInfo> werkzeuge)
{
    QMenu *karte = untermenue(&leiste, "Karte2", QStringLiteral("&Karte"));
    feldMenue(karte, m, "Wiese1", "&Wiese", K::Wiese,
              {"&nur Gras", "&mit Blumen", "mit &Steinen", "mit &Fels", "-", "&verschmutzt"});
    feldMenue(karte, m, "Bume1", "&Bäume", K::Landschaft, {"&klein", "&mittel", "&groß", "-", "&Gebüsch"});
    trenner(karte, "N20", K::Landschaft);
    feldMenue(karte, m, "Wasser1", "&Wasser", K::Landschaft,
              {"Ufer &oben", "Ufer &unten", "Ufer &links", "Ufer &rechts", "-",
               "Ufer oben links", "Ufer oben rechts", "Ufer unten links", "Ufer unten rechts", "|",
               "Meer unten rechts", "Meer unten links", "Meer oben rechts", "Meer oben links", "-",
               "&Pures Wasser", "&Insel", "&See"});
    trenner(karte, "N16", K::Landschaft);
    feldMenue(karte, m, "Sand1", "&Sand", K::Landschaft,
              {"&einfach", "mit &Steinen", "mit Fels", "&trostlos", "-", "tot&al abgekratzt", "&mit Kaktus", "-",
               "Sand oben Gras unten", "Sand unten Gras oben", "Sand links Gras rechts", "Sand rechts Gras links", "|",
               "Sand links oben", "Sand rechts oben", "Sand links unten", "Sand rechts unten", "-",
               "Gras links oben", "Gras rechts oben", "Gras links unten", "Gras rechts unten"});
    trenner(karte, "N11", K::Landschaft);
    QMenu *eigene = untermenue(karte, "Benutzerdefiniert2", QStringLiteral("&Benutzerdefiniert"));
    punkt(eigene, "", QStringLiteral("- nichts -"), K::BenutzerdefiniertNichts, false);
    trenner(karte, "N10", K::Landschaft);
    m.Eigenschaften1 = punkt(karte, "Eigenschaften1", QStringLiteral("&Eigenschaften"), K::Eigenschaften);
    m.Zufallskarte1 = punkt(karte, "Zufallskarte1", QStringLiteral("&Zufallskarte ..."), K::Zufallskarte);
    werkzeugPunkte(karte, m, werkzeuge);
}

QAction *markierbar(QAction *action)
{
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

void ansichtMenue(QMenuBar &leiste, HauptMenue &m)
{
    QMenu *ansicht = untermenue(&leiste, "Ansicht1", QStringLiteral("&Ansicht"));
    m.Gestalter1 = punkt(ansicht, "Gestalter1", QStringLiteral("&Gestalter"), K::Gestalter);
    m.Gestalter1->setCheckable(true);
    m.Standardleiste1 = markierbar(punkt(ansicht, "Standardleiste1", QStringLiteral("&Standardleiste"), K::Standardleiste));
    m.Statusleiste1 = markierbar(punkt(ansicht, "Statusleiste1", QStringLiteral("S&tatusleiste"), K::Statusleiste));
    m.Werkzeugleiste1 = markierbar(punkt(ansicht, "Werkzeugleiste1", QStringLiteral("&Werkzeugleiste"), K::Werkzeugleiste));
    trenner(ansicht, "N24");
    m.Darstellungerneuern1 = punkt(ansicht, "Darstellungerneuern1", QStringLiteral("&Darstellung erneuern"), K::DarstellungErneuern);
    trenner(ansicht, "N25");
    // Ctrl+= is Ctrl++ on keyboards where "+" needs Shift.
    m.Vergroessern1 = punkt(ansicht, "Vergroessern1", QStringLiteral("&Vergrößern"), K::Zoom);
    m.Vergroessern1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m.Verkleinern1 = punkt(ansicht, "Verkleinern1", QStringLiteral("Verk&leinern"), K::Zoom, true, QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m.Originalgroesse1 = punkt(ansicht, "Originalgroesse1", QStringLiteral("&Originalgröße"), K::Zoom, true, QKeySequence(Qt::CTRL | Qt::Key_0));
    m.GanzeKarte1 = punkt(ansicht, "GanzeKarte1", QStringLiteral("Ganze &Karte"), K::Zoom);
    trenner(ansicht, "N26");
    m.Raster1 = punkt(ansicht, "Raster1", QStringLiteral("&Raster"), K::Raster, true, QKeySequence(Qt::CTRL | Qt::Key_G));
    m.Raster1->setCheckable(true);
    m.Uebersicht1 = punkt(ansicht, "Uebersicht1", QStringLiteral("Ü&bersicht"), K::Uebersicht);
    m.Uebersicht1->setCheckable(true);
    m.Kantenfehler1 = punkt(ansicht, "Kantenfehler1", QStringLiteral("Kantenfehler &zeigen"), K::KantenfehlerZeigen);
    m.Kantenfehler1->setCheckable(true);
}

// Only "&Optionen" works; the other items are there to be seen and have help.
void extrasMenue(QMenuBar &leiste, HauptMenue &m)
{
    QMenu *extras = untermenue(&leiste, "Extras1", QStringLiteral("E&xtras"));
    eintraegeAnlegen(extras, {
        {QStringLiteral("&Neue Ressource"), K::NeueRessource, false},
        {QStringLiteral("&Makro"), 0, true, {{QStringLiteral("&Neu ..."), 0, false}, {QStringLiteral("&Bearbeiten ..."), 0, false}}},
        {QStringLiteral("&Tools"), 0, true, {
            {QStringLiteral("&Vistrel! SE"), K::VistrelSE, false}, {QStringLiteral("&Audiorecorder"), K::Audiorecorder, false},
            {QStringLiteral("&Medienwiedergabe"), K::Medienwiedergabe, false},
            {QStringLiteral("M&akrorecorder"), K::Makrorecorder, false}}},
        {QStringLiteral("-")},
    }, 0);
    m.Optionen1 = punkt(extras, "Optionen1", QStringLiteral("&Optionen"), K::Optionen);
}

void hilfeMenue(QMenuBar &leiste, HauptMenue &m)
{
    QMenu *hilfe = untermenue(&leiste, "N27", QStringLiteral("&?"));
    m.Hilfethemen1 = punkt(hilfe, "Hilfethemen1", QStringLiteral("&Hilfethemen"), K::Hilfethemen);
    m.Suchen1 = punkt(hilfe, "Suchen1", QStringLiteral("&Suchen..."), K::Suchen);
    punkt(hilfe, "Assistent1", QStringLiteral("&Assistent ..."), K::Assistent, false);
    m.Hilfeverwenden1 = punkt(hilfe, "Hilfeverwenden1", QStringLiteral("&Hilfe verwenden..."), K::HilfeVerwenden);
    m.TipdesTages1 = punkt(hilfe, "TipdesTages1", QStringLiteral("&Tip des Tages..."));
    trenner(hilfe, "N28");
    m.Infober1 = punkt(hilfe, "Infober1", QStringLiteral("Inf&o über..."), K::InfoUeber);
}

void newMenue(QWidget &fenster, HauptMenue &m)
{
    m.NewMenu1 = new QMenu(&fenster);
    m.NewMenu1->setObjectName(QStringLiteral("NewMenu1"));
    m.LumerantKarte1 = punkt(m.NewMenu1, "LumerantKarte1", QStringLiteral("&Karte ..."));
    punkt(m.NewMenu1, "Spiel1", QStringLiteral("&Spiel ..."), 0, false);
    punkt(m.NewMenu1, "Objekt4", QStringLiteral("&Objekt ..."), 0, false);
}

void popupMenue(QWidget &fenster, HauptMenue &m)
{
    m.PopupMenu1 = new QMenu(&fenster);
    m.PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu *neu = m.PopupMenu1->addMenu(QStringLiteral("&Neu"));
    punkt(neu, "", QStringLiteral("&Objekt"), 0, false);
    punkt(neu, "", QStringLiteral("&Skript"));
    trenner(m.PopupMenu1);
    QMenu *kopieren = m.PopupMenu1->addMenu(QStringLiteral("&Kopieren"));
    punkt(kopieren, "", QStringLiteral("&Objekt"));
    punkt(kopieren, "", QStringLiteral("&Skript"));
    kopieren->menuAction()->setEnabled(false);
    punkt(m.PopupMenu1, "", QStringLiteral("&Einfügen"), 0, false);
    QMenu *loeschen = m.PopupMenu1->addMenu(QStringLiteral("&Löschen"));
    punkt(loeschen, "", QStringLiteral("&Objekt"), 0, false);
    punkt(loeschen, "", QStringLiteral("&Skript"));
    trenner(m.PopupMenu1);
    punkt(m.PopupMenu1, "", QStringLiteral("&Eigenschaften"));
}

} // namespace

HauptMenue HauptMenueAnlegen(QMenuBar &leiste, QWidget &fenster, std::span<const WerkzeugInfo> werkzeuge)
{
    HauptMenue m;
    dateiMenue(leiste, m);
    bearbeitenMenue(leiste, m);
    einheitenMenue(leiste);
    karteMenue(leiste, m, werkzeuge);
    ansichtMenue(leiste, m);
    extrasMenue(leiste, m);
    hilfeMenue(leiste, m);
    newMenue(fenster, m);
    popupMenue(fenster, m);
    return m;
}
