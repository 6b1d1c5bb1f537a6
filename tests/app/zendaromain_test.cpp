#include "aufnahmehilfe.h"
#include "feldbilder.h"
#include "hilfekontext.h"
#include "kartendokument.h"
#include "palettenleiste.h"
#include "flaechenanordnen.h"
#include "soundplayer.h"
#include "standardleiste.h"
#include "statusleiste.h"
#include "toptionendlg.h"
#include "tzendaromain.h"
#include "auswahlwerkzeug.h"
#include "werkzeugsteuerung.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include <set>

namespace {

// Stands in for the sound output and keeps what it was asked to play.
class AufnahmePlayer : public SoundPlayer
{
public:
    explicit AufnahmePlayer(QList<QByteArray> &gespielt) : m_gespielt(gespielt) {}
    void play(const QByteArray &riff) override { m_gespielt << riff; }

private:
    QList<QByteArray> &m_gespielt;
};

QAction *feldPunkt(const TZendaroMain &w, const QString &menue, const QString &text)
{
    for (QAction *a : w.Menue.feldPunkte) {
        auto *m = qobject_cast<QMenu *>(a->parent());
        if (a->text() == text && m && m->title() == menue)
            return a;
    }
    return nullptr;
}

QImage iconBild(const QIcon &icon)
{
    return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class ZendaroMainTest : public QObject
{
    Q_OBJECT

    QList<QByteArray> m_gespielt;
    AufnahmeHilfe m_hilfe;
    std::unique_ptr<TZendaroMain> w;

    TSeitenFlaeche *seite(int n) { return w->PaintBoxen[n - 1]; }
    QToolButton *knopf(const char *name) { return w->findChild<QToolButton *>(name); }

private slots:
    void init()
    {
        m_gespielt.clear();
        w = std::make_unique<TZendaroMain>(std::make_unique<AufnahmePlayer>(m_gespielt), m_hilfe);
        w->move(0, 0);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void cleanup() { w.reset(); }

    void startupState()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Unbenannt[*] – Lumerant! Zendaro"));
        QVERIFY(!w->isWindowModified());
        QCOMPARE(w->AktuellerFeldtyp, std::uint8_t(1));
        QCOMPARE(w->SymbolPhase, std::uint8_t(1));
        QVERIFY(!w->MalenAktiv);
        QVERIFY(!w->KarteGeaendert());
        QVERIFY(w->Dokument->dateiname().isEmpty());
        QVERIFY(w->AktuelleSeite >= 1 && w->AktuelleSeite <= 4);
        QCOMPARE(w->HolderPanel->VisiblePanel->currentWidget()->objectName(), QStringLiteral("Grünland"));
        QVERIFY(w->Panel1->ToolButton12->isChecked());
        QVERIFY(!w->Panel1->ToolButton13->isChecked());
        QVERIFY(!w->Panel1->ToolButton14->isChecked());
        QCOMPARE(w->Panel1->ToolButton12->geometry().topLeft().x(), 208);
        QCOMPARE(w->Panel1->ToolButton13->x(), 231);
        QCOMPARE(w->Panel1->ToolButton14->x(), 254);
        for (const char *erster : {"NurGrasButton", "EinfachSandButton", "PuresWasserButton"})
            QVERIFY2(knopf(erster)->isChecked(), erster);
        for (int n = 1; n <= 16; ++n)
            QCOMPARE(seite(n)->isVisible(), n <= 4);
        QCOMPARE(w->ScrollBox1->widget()->size(), QSize(1280, 880));
        QCOMPARE(seite(4)->geometry(), QRect(640, 440, 640, 440));
        for (const QByteArray *klang : {&w->GrasSound, &w->SandSound, &w->WasserSound})
            QVERIFY(klang->startsWith("RIFF"));
        QVERIFY(w->Timer2->isActive());
        QCOMPARE(w->Timer2->interval(), 1000);
    }

    void pressOnFirstRowOrColumnChangesNothing()
    {
        const TKarte vorher = w->Dokument->karte();
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
            // QTest moves a press at (0, 0) to the widget's centre, so the
            // events are sent by hand.
            for (QPoint p : {QPoint(0, 45), QPoint(45, 0), QPoint(0, 0)}) {
                QMouseEvent druck(QEvent::MouseButtonPress, p, seite(1)->mapToGlobal(p), b, b, {});
                QApplication::sendEvent(seite(1), &druck);
                QMouseEvent los(QEvent::MouseButtonRelease, p, seite(1)->mapToGlobal(p), b, {}, {});
                QApplication::sendEvent(seite(1), &los);
            }
        }
        QVERIFY(w->Dokument->karte().Felder == vorher.Felder);
        QVERIFY(!w->KarteGeaendert());
        QVERIFY(m_gespielt.isEmpty());
        QVERIFY(!w->Menue.PopupMenu1->isVisible());
    }

    void pressPaintsFieldUnderPointer_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("feld");
        QTest::newRow("(1,1)") << 1 << QPoint(1, 1) << 1;
        QTest::newRow("(45,5)") << 1 << QPoint(45, 5) << 2;
        QTest::newRow("(5,45)") << 1 << QPoint(5, 45) << 17;
        QTest::newRow("last field of page 3") << 3 << QPoint(639, 439) << 176;
    }

    void pressPaintsFieldUnderPointer()
    {
        QFETCH(int, page);
        QFETCH(QPoint, pos);
        QFETCH(int, feld);
        // The plain brush: the edge brush would draw borders round the field.
        w->Menue.KantenAutomatisch1->trigger();
        w->AktuellerFeldtyp = 51;
        auto erwartet = w->Dokument->karte().Felder;
        erwartet[page][feld] = 51;
        QTest::mousePress(seite(page), Qt::LeftButton, {}, pos);
        QCOMPARE(w->AktuelleSeite, page);
        QVERIFY(w->MalenAktiv);
        QVERIFY(w->KarteGeaendert());
        QTest::mouseRelease(seite(page), Qt::LeftButton, {}, pos);
        QVERIFY(!w->MalenAktiv);
        QVERIFY(w->Dokument->karte().Felder == erwartet);
        // The field shows the new tile at once (inside the page border line).
        const QImage bild = seite(page)->grab().toImage();
        const QRect r = FeldRechteck(w->Dokument->karte(), feld);
        QCOMPARE(bild.copy(r.adjusted(1, 1, -1, -1)).convertToFormat(QImage::Format_RGB32),
                 w->Dokument->karte().FeldBilder[BildNummer(51)].copy(1, 1, 38, 38).convertToFormat(QImage::Format_RGB32));
    }

    // The middle button, or the left one with Alt, picks the tile under the
    // pointer and shows it on its palette; the map stays as it was.
    void middleButtonAndAltPickTheTile()
    {
        w->Dokument->karteFuerBefehle().Felder[2][35] = 45;
        w->Dokument->karteFuerBefehle().Felder[1][1] = 61;
        const TKarte vorher = w->Dokument->karte();
        QTest::mousePress(seite(2), Qt::MiddleButton, {}, QPoint(85, 85));
        QCOMPARE(w->AktuellerFeldtyp, std::uint8_t(45));
        QCOMPARE(w->HolderPanel->gezeigtePalette(), Palette::KuesteMeer);
        QVERIFY(knopf("MeerObenRechtsButton")->isChecked());
        QVERIFY(w->Panel1->ToolButton14->isChecked() && !w->Panel1->ToolButton12->isChecked());
        QTest::mouseRelease(seite(2), Qt::MiddleButton, {}, QPoint(85, 85));
        QTest::mouseClick(seite(1), Qt::LeftButton, Qt::AltModifier, QPoint(5, 5));
        QCOMPARE(w->AktuellerFeldtyp, std::uint8_t(61));
        QVERIFY(knopf("SandFelsenButton")->isChecked());
        QVERIFY(w->Dokument->karte().Felder == vorher.Felder);
        QVERIFY(!w->KarteGeaendert());
        QVERIFY(m_gespielt.isEmpty());
    }

    // A stroke goes on into the page beside, painting every field the line
    // between two reported positions crosses: one step, one sound.
    void dragRunsOnIntoTheNextPage()
    {
        w->Menue.KantenAutomatisch1->trigger();
        w->AktuellerFeldtyp = 22;
        const std::uint8_t dahinter = w->Dokument->karte().Felder[2][37];
        QTest::mousePress(seite(1), Qt::LeftButton, {}, QPoint(565, 100));
        QTest::mouseMove(seite(1), QPoint(760, 100));
        QTest::mouseRelease(seite(1), Qt::LeftButton, {}, QPoint(760, 100));
        const std::pair<int, int> gemalt[] = {{1, 47}, {1, 48}, {2, 33}, {2, 34}, {2, 35}, {2, 36}};
        for (auto [page, feld] : gemalt)
            QCOMPARE(int(w->Dokument->karte().Felder[page][feld]), 22);
        QCOMPARE(w->Dokument->karte().Felder[2][37], dahinter);
        QCOMPARE(m_gespielt.size(), 1);   // moves play no sound
        QCOMPARE(w->Dokument->verlauf().count(), 1);
    }

    // B, F, R, S and I choose the tools in the order of their list; the menu
    // item and the tool bar button of the active one show pressed and the
    // status bar names it. Esc ends a selection.
    void toolsByKeyMenuAndBar()
    {
        const std::tuple<Qt::Key, std::size_t, QString> werkzeuge[] = {
            {Qt::Key_F, 1, "Füllen"}, {Qt::Key_R, 2, "Rechteck"}, {Qt::Key_S, 3, "Auswahl"},
            {Qt::Key_I, 4, "Pipette"}, {Qt::Key_B, 0, "Pinsel"},
        };
        QCOMPARE(w->Panel1->werkzeugKnoepfe.size(), std::size(werkzeuge));
        QVERIFY(w->Panel1->werkzeugKnoepfe[0]->isChecked() && w->Panel1->KantenButton->isChecked());
        for (const auto &[taste, platz, name] : werkzeuge) {
            QTest::keyClick(w.get(), taste);
            QCOMPARE(w->Werkzeuge->werkzeug().info().name, name);
            QVERIFY(w->Menue.werkzeugPunkte[platz]->isChecked() && w->Panel1->werkzeugKnoepfe[platz]->isChecked());
            QVERIFY(w->StatusBar1->aktuellText().contains(name));
        }
        QTest::mouseClick(w->Panel1->werkzeugKnoepfe[3], Qt::LeftButton);
        QVERIFY(w->Werkzeuge->ist<AuswahlWerkzeug>());
        QTest::mousePress(seite(1), Qt::LeftButton, {}, QPoint(45, 45));
        QTest::mouseMove(seite(1), QPoint(125, 85));
        QTest::mouseRelease(seite(1), Qt::LeftButton, {}, QPoint(125, 85));
        QCOMPARE(w->Werkzeuge->auswahl(), QRect(1, 1, 3, 2));
        QVERIFY(w->Menue.Lschen1->isEnabled() && w->Panel1->ToolButton8->isEnabled());
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!w->Werkzeuge->hatAuswahl());
        QVERIFY(!w->Menue.Lschen1->isEnabled() && !w->Panel1->ToolButton8->isEnabled());
        QVERIFY(!w->KarteGeaendert());
    }

    // The pipette as a tool: a left press takes the tile under it, the right
    // button still opens the page menu; its button names its key.
    void pipetteTool()
    {
        w->Dokument->karteFuerBefehle().Felder[1][2] = 100;
        QTest::keyClick(w.get(), Qt::Key_I);
        QCOMPARE(w->Panel1->werkzeugKnoepfe[4]->toolTip(), QStringLiteral("Pipette (I)"));
        QTest::mouseClick(seite(1), Qt::LeftButton, {}, QPoint(45, 5));
        QCOMPARE(int(w->AktuellerFeldtyp), 100);
        QTest::mousePress(seite(1), Qt::RightButton, {}, QPoint(50, 60));
        QVERIFY(w->Menue.PopupMenu1->isVisible());
        w->Menue.PopupMenu1->hide();
        QTest::mouseRelease(seite(1), Qt::RightButton, {}, QPoint(50, 60));
        QVERIFY(!w->KarteGeaendert());
        QVERIFY(m_gespielt.isEmpty());
    }

    // Over a page the tile a click would lay shows translucent, with the
    // borders the edge brush would draw; it goes when the pointer leaves.
    void hoverPreview()
    {
        w->AktuellerFeldtyp = 22;
        const QImage vorher = seite(1)->grab().toImage();
        QTest::mouseMove(seite(1), QPoint(300, 200));
        QCOMPARE(w->Werkzeuge->vorschau().size(), std::size_t(9));
        QTRY_VERIFY(seite(1)->grab().toImage() != vorher);
        QEvent weg(QEvent::Leave);
        QApplication::sendEvent(seite(1), &weg);
        QVERIFY(w->Werkzeuge->vorschau().empty());
        QTRY_COMPARE(seite(1)->grab().toImage(), vorher);
        QVERIFY(!w->KarteGeaendert());
    }

    void movesAfterReleasePaintNothing()
    {
        w->AktuellerFeldtyp = 51;
        QTest::mousePress(seite(1), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(seite(1), Qt::LeftButton, {}, QPoint(10, 10));
        const TKarte vorher = w->Dokument->karte();
        for (int x = 10; x < 600; x += 40)
            QTest::mouseMove(seite(1), QPoint(x, 200));
        QVERIFY(w->Dokument->karte().Felder == vorher.Felder);
    }

    void rightPressOpensPageMenuAndLeavesMap()
    {
        const TKarte vorher = w->Dokument->karte();
        QTest::mousePress(seite(1), Qt::RightButton, {}, QPoint(50, 60));
        QVERIFY(w->Menue.PopupMenu1->isVisible());
        QCOMPARE(w->Menue.PopupMenu1->pos(), seite(1)->mapToGlobal(QPoint(50, 60)));
        w->Menue.PopupMenu1->hide();
        QTest::mouseRelease(seite(1), Qt::RightButton, {}, QPoint(50, 60));
        QVERIFY(w->Dokument->karte().Felder == vorher.Felder);
        QVERIFY(!w->KarteGeaendert());
        QVERIFY(!w->MalenAktiv);
        QVERIFY(m_gespielt.isEmpty());
    }

    // Where a page is not a whole number of fields wide, the strip at its
    // right would name fields of the next row; it must store nothing.
    void uncoveredStripStoresNothing()
    {
        w->Dokument->karteFuerBefehle().SeitenBreite = 650;
        const TKarte vorher = w->Dokument->karte();
        w->AktuellerFeldtyp = 51;
        QTest::mousePress(seite(1), Qt::LeftButton, {}, QPoint(645, 10));
        QTest::mouseMove(seite(1), QPoint(648, 50));
        QVERIFY(w->Dokument->karte().Felder == vorher.Felder);
        QVERIFY(!w->KarteGeaendert());
        QVERIFY(m_gespielt.isEmpty());
        // Dragged on into the fields, the map changes and must count as
        // changed, or New and Open would drop it without asking.
        QTest::mouseMove(seite(1), QPoint(620, 50));
        QTest::mouseRelease(seite(1), Qt::LeftButton, {}, QPoint(620, 50));
        QCOMPARE(w->Dokument->karte().Felder[1][32], std::uint8_t(51));
        QVERIFY(w->KarteGeaendert());
    }

    void soundGroupOfTheCurrentTile_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("klang");
        QTest::newRow("18") << 18 << "GRAS_SOUND";
        QTest::newRow("19") << 19 << "WASSER_SOUND";
        QTest::newRow("50") << 50 << "WASSER_SOUND";
        QTest::newRow("51") << 51 << "SAND_SOUND";
        QTest::newRow("87 rock") << 87 << "SAND_SOUND";
    }

    void soundGroupOfTheCurrentTile()
    {
        QFETCH(int, code);
        QFETCH(QString, klang);
        QFile datei(":/wave/" + klang);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        w->AktuellerFeldtyp = std::uint8_t(code);
        // Each press of a double click paints and sounds; Qt delivers the
        // second press as a double-click event.
        QTest::mouseClick(seite(1), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseDClick(seite(1), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(m_gespielt.size(), 2);
        QCOMPARE(m_gespielt.at(0), datei.readAll());
        QCOMPARE(m_gespielt.at(1), m_gespielt.at(0));
    }

    // The pressed button always shows the current tile: a switch presses
    // its palette's first button, not the one pressed there before.
    // "Soundeffekte im Editor" silences the next press at once, and back.
    void soundSwitchReachesThePlayer()
    {
        auto *schalter = w->OptionenDlg->findChild<QCheckBox *>("CheckBox1");
        QVERIFY(schalter->isEnabled() && schalter->isChecked());
        for (bool an : {false, true}) {
            schalter->setChecked(an);
            const qsizetype vorher = m_gespielt.size();
            QTest::mouseClick(seite(1), Qt::LeftButton, {}, QPoint(100, 100));
            QCOMPARE(m_gespielt.size(), vorher + (an ? 1 : 0));
        }
    }

    void paletteSwitchesSelectTheFirstTile()
    {
        QTest::mouseClick(knopf("GrosserBaumButton"), Qt::LeftButton);
        QCOMPARE(w->AktuellerFeldtyp, std::uint8_t(7));
        QTest::mouseClick(w->Panel1->ToolButton14, Qt::LeftButton);
        QCOMPARE(w->HolderPanel->VisiblePanel->currentWidget()->objectName(), QStringLiteral("Küste/Meer"));
        QCOMPARE(w->AktuellerFeldtyp, std::uint8_t(22));
        QVERIFY(!w->Panel1->ToolButton12->isChecked());
        QTest::mouseClick(w->Panel1->ToolButton12, Qt::LeftButton);
        QCOMPARE(w->AktuellerFeldtyp, std::uint8_t(1));
        QVERIFY(knopf("NurGrasButton")->isChecked());
        QVERIFY(!knopf("GrosserBaumButton")->isChecked());

        QTest::mouseClick(w->Panel1->ToolButton13, Qt::LeftButton);
        QTest::mouseClick(knopf("SandObenButton"), Qt::LeftButton);
        QCOMPARE(w->AktuellerFeldtyp, std::uint8_t(63));
        QTest::mouseClick(w->Panel1->ToolButton12, Qt::LeftButton);
        QTest::mouseClick(w->Panel1->ToolButton13, Qt::LeftButton);
        QCOMPARE(w->HolderPanel->VisiblePanel->currentWidget()->objectName(), QStringLiteral("Wüste"));
        QCOMPARE(w->AktuellerFeldtyp, std::uint8_t(51));
        QVERIFY(knopf("EinfachSandButton")->isChecked());
        QVERIFY(!knopf("SandObenButton")->isChecked());
        QCOMPARE(w->HolderPanel->FeldText->text(), QStringLiteral("einfaches Sandfeld"));
        QCOMPARE(w->StatusBar1->aktuellText(), QStringLiteral("einfaches Sandfeld (51) · Pinsel"));
        QTest::mousePress(seite(1), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w->Dokument->karte().Felder[1][1], std::uint8_t(51));
    }

    // Every tile the catalogue offers is reachable from a palette button or a
    // "&Karte" item, and both set the same code.
    void everyTileReachable()
    {
        std::set<int> erreicht;
        for (const FeldTyp &typ : FeldKatalog()) {
            if (typ.button) {
                QToolButton *b = knopf(typ.button);
                QVERIFY2(b, typ.button);
                w->HolderPanel->paletteZeigen(typ.palette);
                w->AktuellerFeldtyp = 0;
                QTest::mouseClick(b, Qt::LeftButton);
                QCOMPARE(w->AktuellerFeldtyp, typ.code);
                erreicht.insert(typ.code);
            }
            if (typ.menue) {
                QAction *a = feldPunkt(*w, QString::fromUtf8(typ.menue), QString::fromUtf8(typ.menuePunkt));
                QVERIFY2(a, typ.menuePunkt);
                w->AktuellerFeldtyp = 0;
                a->trigger();
                QCOMPARE(w->AktuellerFeldtyp, typ.code);
                erreicht.insert(typ.code);
            }
        }
        QCOMPARE(int(erreicht.size()), 43);
        QCOMPARE(int(w->Menue.feldPunkte.size()), 42);
    }

    // A menu choice shows the tile's palette with its button pressed and the
    // matching switch down; a tile without a button presses none.
    void menuChoicePressesItsButton()
    {
        feldPunkt(*w, "&Wasser", "&See")->trigger();
        QCOMPARE(w->AktuellerFeldtyp, std::uint8_t(19));
        QCOMPARE(w->HolderPanel->VisiblePanel->currentWidget()->objectName(), QStringLiteral("Küste/Meer"));
        QVERIFY(knopf("SeeButton")->isChecked());
        QVERIFY(!knopf("PuresWasserButton")->isChecked());
        QVERIFY(w->Panel1->ToolButton14->isChecked());
        QVERIFY(!w->Panel1->ToolButton12->isChecked());
        const std::pair<const char *, const char *> sand[] = {{"Sand oben Gras unten", "SandObenButton"},
                                                              {"Sand rechts Gras links", "SandRechtsButton"}};
        for (auto [text, button] : sand) {
            feldPunkt(*w, "&Sand", text)->trigger();
            QVERIFY2(knopf(button)->isChecked(), button);
            QVERIFY(w->Panel1->ToolButton13->isChecked());
        }
        feldPunkt(*w, "&Wiese", "&verschmutzt")->trigger();
        QCOMPARE(w->AktuellerFeldtyp, std::uint8_t(104));
        QCOMPARE(w->HolderPanel->VisiblePanel->currentWidget()->objectName(), QStringLiteral("Wüste"));
        for (QToolButton *k : w->HolderPanel->VisiblePanel->currentWidget()->findChildren<QToolButton *>())
            QVERIFY2(!k->isChecked(), qPrintable(k->objectName()));
        QCOMPARE(w->StatusBar1->aktuellText(), QStringLiteral("Wiese verschmutzt (104) · Pinsel"));
    }

    // Hovering names the field under the pointer, also on the page a drag
    // has reached from another; leaving the pages clears it.
    void statusBarFollowsThePointer()
    {
        // All four pages in sight: a page scrolled out of view is not under
        // the pointer.
        w->resize(1400, 1100);
        QTRY_VERIFY(w->ScrollBox1->viewport()->height() >= 880);
        w->Dokument->karteFuerBefehle().Felder[3][45] = 22;
        const QString feld45 = QStringLiteral("Seite 3 · Feld 45 (Zeile 3, Spalte 13) · einfaches Wasser-Feld (22)");
        // At every zoom the position over the same page pixel names the same
        // field.
        for (int prozent : {100, 50, 200}) {
            SeitenAnordnen(w->Dokument->karte(), w->PaintBoxen, *w->ScrollBox1->widget(), Massstab{prozent});
            const QPoint pos = Massstab{prozent}.aufFlaeche(QPoint(500, 90));
            w->ScrollBox1->ensureVisible(seite(3)->x() + pos.x(), seite(3)->y() + pos.y());
            // QTest sends no move without a button to a widget; this is one.
            QMouseEvent schweben(QEvent::MouseMove, pos, seite(3)->mapToGlobal(pos), Qt::NoButton, {}, {});
            QApplication::sendEvent(seite(3), &schweben);
            QCOMPARE(w->StatusBar1->ortText(), feld45);
            QEvent weg(QEvent::Leave);
            QApplication::sendEvent(seite(3), &weg);
            QVERIFY(w->StatusBar1->ortText().isEmpty());
        }
        SeitenAnordnen(w->Dokument->karte(), w->PaintBoxen, *w->ScrollBox1->widget());
        QVERIFY(!w->KarteGeaendert());

        w->AktuellenFeldtypSetzen(7);
        w->Dokument->karteFuerBefehle().Felder[1][16] = 2;
        QTest::mousePress(seite(1), Qt::LeftButton, {}, QPoint(600, 10));
        QCOMPARE(w->StatusBar1->ortText(), QStringLiteral("Seite 1 · Feld 16 (Zeile 1, Spalte 16) · Baum (7)"));
        QTest::mouseMove(seite(1), QPoint(645, 50));
        QVERIFY(w->StatusBar1->ortText().startsWith(QStringLiteral("Seite 2 · Feld 17 (Zeile 2, Spalte 1)")));
        QTest::mouseMove(seite(1), QPoint(610, 10));
        QTest::mouseRelease(seite(1), Qt::LeftButton, {}, QPoint(610, 10));
        // Undone under the resting pointer, the field's old tile shows.
        w->Dokument->verlauf().undo();
        QCOMPARE(w->StatusBar1->ortText(), QStringLiteral("Seite 1 · Feld 16 (Zeile 1, Spalte 16) · Wiese nur Gras (2)"));
    }

    // Each command of the tool bar names itself, as the pictures alone do not.
    void everyToolBarButtonHasATooltip()
    {
        QSet<QString> tipps;
        const auto knoepfe = w->Panel1->findChildren<QToolButton *>();
        for (QToolButton *k : knoepfe) {
            QVERIFY2(!k->toolTip().isEmpty(), qPrintable(k->objectName()));
            tipps.insert(k->toolTip());
        }
        QCOMPARE(tipps.size(), knoepfe.size());
        QCOMPARE(w->Panel1->GestalterButton->toolTip(), QStringLiteral("Landschafts-Box"));
        QCOMPARE(w->Panel1->ToolButton17->toolTip(), QStringLiteral("Scripteditor starten"));
    }

    void iconRunsThroughFourFramesWhileMinimized()
    {
        QList<QImage> frames;
        for (int n = 1; n <= 4; ++n) {
            QImage bild(QStringLiteral(":/icon/ICON%1").arg(n));
            QVERIFY(!bild.isNull());
            frames << QIcon(QPixmap::fromImage(bild)).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        }
        const qint64 vorher = QApplication::windowIcon().cacheKey();
        w->Timer2Timer();
        QCOMPARE(w->SymbolPhase, std::uint8_t(1));
        QCOMPARE(QApplication::windowIcon().cacheKey(), vorher);

        w->showMinimized();
        QTRY_VERIFY(w->isMinimized());
        QList<int> gesehen;
        for (int tick = 0; tick < 5; ++tick) {
            w->Timer2Timer();
            gesehen << int(frames.indexOf(iconBild(QApplication::windowIcon()))) + 1;
        }
        QCOMPARE(gesehen, (QList<int>{1, 2, 3, 4, 1}));
        QCOMPARE(w->SymbolPhase, std::uint8_t(2));

        w->showNormal();
        QTRY_VERIFY(!w->isMinimized());
        const qint64 zuletzt = QApplication::windowIcon().cacheKey();
        w->Timer2Timer();
        QCOMPARE(w->SymbolPhase, std::uint8_t(2));
        QCOMPARE(QApplication::windowIcon().cacheKey(), zuletzt);
    }

    void viewTogglesMoveBarsAndMarks()
    {
        const std::pair<QAction *, QWidget *> schalter[] = {
            {w->Menue.Standardleiste1, w->Panel1},
            {w->Menue.Werkzeugleiste1, w->HolderPanel},
            {w->Menue.Statusleiste1, w->StatusBar1},
        };
        for (auto [action, leiste] : schalter) {
            QVERIFY(action->isChecked());
            QVERIFY(leiste->isVisible());
            const int hoehe = w->ScrollBox1->height();
            action->trigger();
            QVERIFY(!action->isChecked());
            QVERIFY(!leiste->isVisible());
            // The page area takes the room.
            QTRY_VERIFY(w->ScrollBox1->height() > hoehe);
            action->trigger();
            QVERIFY(action->isChecked());
            QVERIFY(leiste->isVisible());
            QTRY_COMPARE(w->ScrollBox1->height(), hoehe);
        }
    }

    void redrawPaintsTheVisiblePages()
    {
        QCoreApplication::processEvents();
        w->AktuelleSeite = 0;
        w->Menue.Darstellungerneuern1->trigger();
        QTRY_VERIFY(w->AktuelleSeite >= 1 && w->AktuelleSeite <= 4);
    }

    void menuBarLayout()
    {
        QStringList titel;
        for (QAction *a : w->menuBar()->actions())
            titel << a->text() + (a->isVisible() ? "" : " (hidden)") + (a->isEnabled() ? "" : " (disabled)");
        QCOMPARE(titel, (QStringList{"&Datei", "&Bearbeiten", "&Einheiten (hidden) (disabled)", "&Karte",
                                     "&Ansicht", "E&xtras", "&?"}));

        auto *rueckgaengig = w->findChild<QAction *>("RckgngigBefehl1");
        QCOMPARE(rueckgaengig->text(), QStringLiteral("&Rückgängig"));
        QVERIFY(!rueckgaengig->isEnabled());
        QCOMPARE(rueckgaengig->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(w->findChild<QAction *>("Lschen1")->shortcut(), QKeySequence("Ctrl+D"));
        QCOMPARE(HilfeKontextVon(w->Menue.ffnen1), 10102u);
        QCOMPARE(HilfeKontextVon(w->Menue.Darstellungerneuern1), 10185u);
        QCOMPARE(HilfeKontextVon(w->findChild<QMenu *>("Wiese1")->menuAction()), 10161u);
        QCOMPARE(HilfeKontextVon(w->findChild<QAction *>("N16")), 10118u);
        QVERIFY(!w->findChild<QMenu *>("Neu1")->menuAction()->isVisible());
        // The landscape box can be reached from the start.
        QVERIFY(w->Menue.Gestalter1->isEnabled());
        QVERIFY(w->Panel1->GestalterButton->isEnabled());
        QVERIFY(!w->findChild<QAction *>("Assistent1")->isEnabled());

        // The second column of "&Wasser" and "&Sand" starts after a line.
        for (auto [menue, erster] : {std::pair{"&Wasser", "Meer unten rechts"}, std::pair{"&Sand", "Sand links oben"}}) {
            QAction *a = feldPunkt(*w, menue, erster);
            QVERIFY(a->property(SpaltenUmbruchEigenschaft).toBool());
            const auto liste = qobject_cast<QMenu *>(a->parent())->actions();
            QVERIFY(liste.at(liste.indexOf(a) - 1)->isSeparator());
        }
    }

    // Every caption added to the design's menus has an access letter that no
    // other item of its menu uses.
    void addedCaptionsHaveTheirOwnAccessLetter_data()
    {
        QTest::addColumn<QString>("menue");
        QTest::addColumn<QString>("text");
        for (const char *t : {"&Pinsel", "&Füllen", "&Rechteck", "&Auswahl", "P&ipette", "&Kanten automatisch", "Ka&nten reparieren", "Z&ufall", "&Zufallskarte ..."})
            QTest::newRow(t) << "Karte2" << QString::fromUtf8(t);
        for (const char *t : {"&Vergrößern", "Verk&leinern", "&Originalgröße", "Ganze &Karte", "&Raster", "Ü&bersicht", "Kantenfehler &zeigen"})
            QTest::newRow(t) << "Ansicht1" << QString::fromUtf8(t);
        for (const char *t : {"&Zuletzt geöffnet", "Als Bild e&xportieren ..."})
            QTest::newRow(t) << "Datei1" << QString::fromUtf8(t);
    }

    void addedCaptionsHaveTheirOwnAccessLetter()
    {
        QFETCH(QString, menue);
        QFETCH(QString, text);
        const auto buchstabe = [](const QString &t) {
            const qsizetype und = t.indexOf(u'&');
            return und >= 0 && und + 1 < t.size() ? t.at(und + 1).toLower() : QChar();
        };
        QVERIFY(!buchstabe(text).isNull());
        int gleich = 0;
        bool gefunden = false;
        for (QAction *a : w->findChild<QMenu *>(menue)->actions()) {
            gefunden = gefunden || a->text() == text;
            gleich += buchstabe(a->text()) == buchstabe(text) ? 1 : 0;
        }
        QVERIFY(gefunden);
        QCOMPARE(gleich, 1);
    }

    void newMenuOnRightClickOfFirstButton()
    {
        QStringList punkte;
        for (QAction *a : w->Menue.NewMenu1->actions())
            punkte << a->text() + (a->isEnabled() ? "" : " (disabled)");
        QCOMPARE(punkte, (QStringList{"&Karte ...", "&Spiel ... (disabled)", "&Objekt ... (disabled)"}));
        QContextMenuEvent rechts(QContextMenuEvent::Mouse, QPoint(5, 5), w->Panel1->ToolButton1->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w->Panel1->ToolButton1, &rechts);
        QVERIFY(w->Menue.NewMenu1->isVisible());
        w->Menue.NewMenu1->hide();
    }
};

QTEST_MAIN(ZendaroMainTest)
#include "zendaromain_test.moc"
