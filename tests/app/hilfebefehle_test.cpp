// Help from the main window: F1 on highlighted menu items, the help commands
// of the menu and the tool bar, once with a recording stand-in and once with
// the real viewer.

#include "aufnahmehilfe.h"
#include "helpcontexts.h"
#include "helpviewer.h"
#include "helpwindow.h"
#include "hilfekontext.h"
#include "soundplayer.h"
#include "standardleiste.h"
#include "tdialog1.h"
#include "tgestalter.h"
#include "toptionendlg.h"
#include "tzendaromain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QTest>
#include <QToolButton>

namespace {

using Anfrage = AufnahmeHilfe::Anfrage;

// The item with this caption directly in the menu.
QAction *menuePunkt(const QMenu *menue, const QString &text)
{
    for (QAction *a : menue ? menue->actions() : QList<QAction *>())
        if (a->text() == text)
            return a;
    return nullptr;
}

QAction *menuePunkt(const QWidget &fenster, const QString &menue, const QString &text)
{
    return menuePunkt(fenster.findChild<QMenu *>(menue), text);
}

// Opens the item's menu, highlights the item and presses F1 there, as a user
// who moved onto it with the mouse or the arrow keys.
void f1Auf(QAction *punkt)
{
    QMenu *menue = nullptr;
    for (QObject *ort : punkt->associatedObjects())
        if ((menue = qobject_cast<QMenu *>(ort)))
            break;
    QVERIFY(menue);
    menue->popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(menue));
    menue->setActiveAction(punkt);
    QCOMPARE(menue->activeAction(), punkt);
    QTest::keyClick(menue, Qt::Key_F1);
    // The menus make way for the help window.
    QVERIFY(!menue->isVisible());
}

// Every help context some menu item carries.
QSet<quint32> menueKontexte(const TZendaroMain &w)
{
    QSet<quint32> kontexte;
    QList<QWidget *> wurzeln{w.menuBar(), w.Menue.NewMenu1, w.Menue.PopupMenu1};
    for (QWidget *wurzel : wurzeln) {
        QList<QAction *> punkte = wurzel->actions();
        for (QMenu *m : wurzel->findChildren<QMenu *>())
            punkte << m->actions() << m->menuAction();
        for (QAction *a : punkte)
            if (const quint32 k = HilfeKontextVon(a))
                kontexte.insert(k);
    }
    return kontexte;
}

} // namespace

class HilfebefehleTest : public QObject
{
    Q_OBJECT

    AufnahmeHilfe hilfe;
    std::unique_ptr<TZendaroMain> w;

private slots:
    void init()
    {
        hilfe.anfragen.clear();
        w = std::make_unique<TZendaroMain>(nullptr, hilfe);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void cleanup() { w.reset(); }

    void f1AufMenuePunkt_data()
    {
        QTest::addColumn<QString>("menue");
        QTest::addColumn<QString>("punkt");
        QTest::addColumn<quint32>("kontext");
        // Neither the item nor "&Datei" carries one: 0 is still sent.
        QTest::newRow("&Neue Karte...") << "Datei1" << "&Neue Karte..." << 0u;
        QTest::newRow("&Öffnen ...") << "Datei1" << "&Öffnen ..." << 10102u;
        // From the submenu's item up to "&Wiese".
        QTest::newRow("&mit Blumen") << "Wiese1" << "&mit Blumen" << 10161u;
        QTest::newRow("&Gebüsch") << "Bume1" << "&Gebüsch" << 10118u;
        // Disabled, and still its own.
        QTest::newRow("- nichts -") << "Benutzerdefiniert2" << "- nichts -" << 10162u;
        QTest::newRow("M&akrorecorder") << "Extras1" << "&Tools" << 10215u;
        QTest::newRow("Inf&o über...") << "N27" << "Inf&o über..." << 10225u;
        QTest::newRow("NewMenu1") << "NewMenu1" << "&Karte ..." << 0u;
        QTest::newRow("PopupMenu1") << "PopupMenu1" << "&Eigenschaften" << 0u;
        QTest::newRow("PopupMenu1 submenu") << "PopupMenu1" << "&Löschen" << 0u;
    }

    void f1AufMenuePunkt()
    {
        QFETCH(QString, menue);
        QFETCH(QString, punkt);
        QFETCH(quint32, kontext);
        QAction *a = menuePunkt(*w, menue, punkt);
        QVERIFY(a);
        // For a submenu, an item inside it.
        if (a->menu()) {
            const QList<QAction *> unter = a->menu()->actions();
            a = punkt == QLatin1String("&Tools") ? unter.last() : unter.first();
        }
        f1Auf(a);
        QCOMPARE(hilfe.anfragen, (QList<Anfrage>{{HelpSystem::HELP_CONTEXT, kontext}}));
    }

    void f1AufOffenemMenueOhneMarkierung()
    {
        QMenu *datei = w->findChild<QMenu *>("Datei1");
        datei->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(datei));
        QTest::keyClick(datei, Qt::Key_F1);
        QCOMPARE(hilfe.anfragen, (QList<Anfrage>{{HelpSystem::HELP_CONTEXT, 0u}}));
    }

    void f1AusserhalbDerMenuesTutNichts()
    {
        QTest::keyClick(w.get(), Qt::Key_F1);
        QTest::keyClick(w->ScrollBox1, Qt::Key_F1);
        QTest::keyClick(w->menuBar(), Qt::Key_F1);
        QVERIFY(hilfe.anfragen.isEmpty());
    }

    // The help collection has a page for exactly the numbers in
    // HilfeKontext::Alle; the menus must use those and no others.
    void menueKontexteSindDieDerHilfe()
    {
        const QSet<quint32> benutzt = menueKontexte(*w);
        const QSet<quint32> alle(HilfeKontext::Alle.begin(), HilfeKontext::Alle.end());
        QCOMPARE(benutzt, alle);
    }

    void hilfeBefehle()
    {
        const QList<Anfrage> inhalt{{HelpSystem::HELP_CONTENTS, 0}};
        const QList<Anfrage> stichwort{{HelpSystem::HELP_PARTIALKEY, QString()}};
        auto pruefen = [this](const std::function<void()> &ausloesen, const QList<Anfrage> &erwartet) {
            hilfe.anfragen.clear();
            ausloesen();
            QCOMPARE(hilfe.anfragen, erwartet);
        };
        pruefen([this] { w->Menue.Suchen1->trigger(); }, stichwort);
        pruefen([this] { w->Panel1->ToolButton19->click(); }, stichwort);
        pruefen([this] { w->Menue.Hilfethemen1->trigger(); }, inhalt);
        pruefen([this] { w->Panel1->ToolButton20->click(); }, inhalt);
        pruefen([this] { w->Menue.Hilfeverwenden1->trigger(); }, {{HelpSystem::HELP_HELPONHELP, 0}});
        // "&Hilfe" of the landscape box's menu.
        QAction *boxHilfe = menuePunkt(w->Gestalter->popupMenu(), "&Hilfe");
        QVERIFY(boxHilfe);
        pruefen([boxHilfe] { boxHilfe->trigger(); }, inhalt);
        // "&Hilfe" of the properties and options dialogs: their own pages.
        for (const auto &[dialog, kontext] : {std::pair<QWidget *, quint32>{w->Dialog1, HilfeKontext::Eigenschaften},
                                              {w->OptionenDlg, HilfeKontext::Optionen}})
            pruefen([dialog] { dialog->findChild<QPushButton *>("BitBtn4")->click(); },
                    {{HelpSystem::HELP_CONTEXT, kontext}});
        // The keyword is an empty text, not a missing one.
        QCOMPARE(stichwort.first().second.typeId(), QMetaType::QString);
    }

    void echterViewer()
    {
        w.reset();
        HelpViewer viewer;
        QVERIFY(viewer.isReady());
        w = std::make_unique<TZendaroMain>(nullptr, viewer);
        w->show();
        QVERIFY(!viewer.window()->isVisible());

        f1Auf(w->Menue.ffnen1);
        QVERIFY(viewer.window()->isVisible());
        QCOMPARE(viewer.window()->currentPage().fileName(), QStringLiteral("oeffnen.html"));
        QCOMPARE(viewer.window()->pageTitle(), QStringLiteral("Öffnen"));

        f1Auf(menuePunkt(*w, "Wiese1", "&verschmutzt"));
        QCOMPARE(viewer.window()->currentPage().fileName(), QStringLiteral("wiese.html"));

        f1Auf(w->Menue.NeueKarte1);
        QCOMPARE(viewer.window()->currentPage(), HelpCollection::contentsPage());
        // The window goes before the viewer it asks.
        w.reset();
    }
};

QTEST_MAIN(HilfebefehleTest)
#include "hilfebefehle_test.moc"
