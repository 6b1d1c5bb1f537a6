#include "aufnahmehilfe.h"
#include "einstellungen.h"
#include "kartendokument.h"
#include "palettenleiste.h"
#include "soundplayer.h"
#include "standardleiste.h"
#include "statusleiste.h"
#include "toptionendlg.h"
#include "tzendaromain.h"
#include "uebersicht.h"
#include "zuletzt.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QTest>

class EinstellungenTest : public QObject
{
    Q_OBJECT

    AufnahmeHilfe hilfe;
    std::unique_ptr<QTemporaryDir> ordner;

    QString datei() const { return ordner->filePath("zendaro.conf"); }

    void schreiben(const QByteArray &inhalt)
    {
        QFile f(datei());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }

    QByteArray lesen() const
    {
        QFile f(datei());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() { ordner = std::make_unique<QTemporaryDir>(); }

    // Every value comes back as written; a new setting that is forgotten in
    // one of the two functions shows here.
    void roundTrip()
    {
        Einstellungen e;
        e.fensterGeometrie = "geo";
        e.fensterZustand = "zu";
        e.standardleiste = false;
        e.werkzeugleiste = false;
        e.statusleiste = false;
        e.palette = 2;
        e.feldtyp = 200;
        e.oeffnenOrdner = "/ö/auf";
        e.speichernOrdner = "/zu";
        e.sound = false;
        e.sicherungskopie = false;
        e.kantenAutomatisch = false;
        e.ressourcen = QStringList{"a.bmp", "b, c.bmp"};
        e.zoom = 300;
        e.uebersichtGeometrie = "ort";
        e.bildOrdner = "/bild";
        e.raster = true;
        e.uebersicht = true;
        e.zufall = true;
        {
            QSettings s(datei(), QSettings::IniFormat);
            EinstellungenSchreiben(s, e);
        }
        QSettings s(datei(), QSettings::IniFormat);
        const Einstellungen g = EinstellungenLesen(s);
        QCOMPARE(g.fensterGeometrie, e.fensterGeometrie);
        QCOMPARE(g.fensterZustand, e.fensterZustand);
        QCOMPARE(std::tuple(g.standardleiste, g.werkzeugleiste, g.statusleiste, g.sound, g.sicherungskopie,
                            g.kantenAutomatisch),
                 std::tuple(false, false, false, false, false, false));
        QCOMPARE(g.palette, 2);
        QCOMPARE(g.feldtyp, std::uint8_t(200));
        QCOMPARE(g.oeffnenOrdner, e.oeffnenOrdner);
        QCOMPARE(g.speichernOrdner, e.speichernOrdner);
        QCOMPARE(g.ressourcen, e.ressourcen);
        QCOMPARE(g.zoom, 300);
        QCOMPARE(g.uebersichtGeometrie, e.uebersichtGeometrie);
        QCOMPARE(g.bildOrdner, e.bildOrdner);
        QCOMPARE(std::tuple(g.raster, g.uebersicht, g.zufall), std::tuple(true, true, true));
    }

    void unusableSettingsGiveDefaults_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("bleibt");   // a newer version's file is not overwritten
        QTest::newRow("binary junk") << QByteArray("\x00\xff[[\x01=\n\xfe\x00", 10) << false;
        QTest::newRow("broken section") << QByteArray("[editor\nsound=false\n") << false;
        QTest::newRow("newer version") << QByteArray("[General]\nversion=99\n[editor]\nsound=false\n") << true;
        QTest::newRow("values of the wrong kind")
            << QByteArray("[editor]\nsound=vielleicht\npalette=7\nfeldtyp=-4\n[fenster]\nstatusleiste=2\n") << false;
    }

    void unusableSettingsGiveDefaults()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, bleibt);
        schreiben(inhalt);
        QSettings s(datei(), QSettings::IniFormat);
        const Einstellungen e = EinstellungenLesen(s);
        const Einstellungen vorgabe;
        QCOMPARE(std::tuple(e.sound, e.palette, e.feldtyp, e.statusleiste),
                 std::tuple(vorgabe.sound, vorgabe.palette, vorgabe.feldtyp, vorgabe.statusleiste));
        QVERIFY(ZuletztLesen(s).isEmpty());
        QVERIFY(BeimBeendenSpeichernLesen(s));
        // A window over such settings starts and ends normally.
        TZendaroMain w(nullptr, hilfe);
        w.EinstellungenLaden(s);
        w.EinstellungenBeimBeenden();
        s.sync();
        QCOMPARE(lesen() == inhalt, bleibt);
    }

    void recentListOrderAndLimit()
    {
        QStringList liste;
        for (int i = 1; i <= 10; ++i)
            liste = ZuletztVorne(liste, QString("/k/%1.map").arg(i));
        QCOMPARE(liste.size(), ZuletztAnzahl);
        QCOMPARE(liste.first(), "/k/10.map");
        QCOMPARE(liste.last(), "/k/3.map");
        liste = ZuletztVorne(liste, "/k/5.map");
        QCOMPARE(liste.mid(0, 3), (QStringList{"/k/5.map", "/k/10.map", "/k/9.map"}));
        QCOMPARE(liste.count("/k/5.map"), 1);
        QCOMPARE(liste.size(), ZuletztAnzahl);
    }

    // Opened and saved maps enter the menu at once and survive into the next
    // run, even with "Einstellungen beim Beenden speichern" off; a map that
    // is gone is greyed out.
    void recentListInTheMenuAndBetweenRuns()
    {
        const QString a = ordner->filePath("a&b.map");
        const QString b = ordner->filePath("b.map");
        {
            QSettings s(datei(), QSettings::IniFormat);
            TZendaroMain w(nullptr, hilfe);
            w.EinstellungenLaden(s);
            w.OptionenDlg->CheckBox2->setChecked(false);
            w.Dokument->dateinameSetzen(a);
            QVERIFY(w.Speichern1Click());
            w.Dokument->dateinameSetzen(b);
            QVERIFY(w.Speichern1Click());
            QCOMPARE(w.ZuletztGeoeffnet, (QStringList{b, a}));
            w.EinstellungenBeimBeenden();
        }
        QVERIFY(QFile::remove(b));
        QSettings s(datei(), QSettings::IniFormat);
        TZendaroMain w(nullptr, hilfe);
        w.EinstellungenLaden(s);
        QVERIFY(!w.OptionenDlg->CheckBox2->isChecked());
        QCOMPARE(w.ZuletztGeoeffnet, (QStringList{b, a}));
        emit w.Menue.Zuletzt1->aboutToShow();
        const QList<QAction *> punkte = w.Menue.Zuletzt1->actions();
        QCOMPARE(punkte.size(), 2);
        QCOMPARE(punkte[0]->text(), "&1 b.map");
        QVERIFY(!punkte[0]->isEnabled());
        QCOMPARE(punkte[1]->text(), "&2 a&&b.map");
        // Shown as it is, not as markup.
        QCOMPARE(QTextDocumentFragment::fromHtml(punkte[1]->toolTip()).toPlainText(), a);
        QVERIFY(punkte[1]->isEnabled());
        punkte[1]->trigger();
        QCOMPARE(w.Dokument->dateiname(), a);
        QCOMPARE(w.ZuletztGeoeffnet, (QStringList{a, b}));
    }

    // What the window shows goes into the settings at the end and comes back
    // in the next window; switched off, the end writes nothing.
    void windowSettingsBetweenRuns()
    {
        {
            QSettings s(datei(), QSettings::IniFormat);
            TZendaroMain w(nullptr, hilfe);
            w.EinstellungenLaden(s);
            w.Menue.Statusleiste1->trigger();
            w.Panel1->ToolButton13->click();
            w.FeldtypClick(58);
            w.OptionenDlg->CheckBox1->setChecked(false);
            w.SaveDialog1->setDirectory(ordner->path());
            w.ZoomSetzen(200, {});
            w.Uebersicht->move(123, 45);
            w.Menue.Raster1->trigger();
            w.Menue.Uebersicht1->trigger();
            w.Panel1->ZufallButton->click();
            // Written after the window has closed and the program's quit has
            // closed the others, the overview among them: it was open.
            w.show();
            QVERIFY(w.close());
            QApplication::closeAllWindows();
            w.EinstellungenBeimBeenden();
        }
        {
            QSettings s(datei(), QSettings::IniFormat);
            TZendaroMain w(nullptr, hilfe);
            w.EinstellungenLaden(s);
            QVERIFY(!w.Menue.Statusleiste1->isChecked());
            QVERIFY(w.StatusBar1->isHidden());
            QCOMPARE(w.HolderPanel->gezeigtePalette(), Palette::Wueste);
            QCOMPARE(w.AktuellerFeldtyp, std::uint8_t(58));
            QVERIFY(!w.OptionenDlg->CheckBox1->isChecked());
            QCOMPARE(w.SaveDialog1->directory().absolutePath(), QDir(ordner->path()).absolutePath());
            QCOMPARE(w.Zoom.prozent, 200);
            QCOMPARE(w.ZoomAnzeige->text(), QStringLiteral("200 %"));
            QVERIFY(w.Menue.Raster1->isChecked() && w.ScrollBox1->raster());
            QVERIFY(w.Menue.Zufall1->isChecked() && w.Panel1->ZufallButton->isChecked());
            // Opened once the window is up, where it was left.
            QTRY_VERIFY(w.Uebersicht->isVisible());
            QVERIFY(w.Menue.Uebersicht1->isChecked());
            QCOMPARE(w.Uebersicht->pos(), QPoint(123, 45));
            w.Menue.Statusleiste1->trigger();
            w.OptionenDlg->CheckBox2->setChecked(false);
            w.EinstellungenBeimBeenden();
        }
        QSettings s(datei(), QSettings::IniFormat);
        QVERIFY(!EinstellungenLesen(s).statusleiste);
    }
};

QTEST_MAIN(EinstellungenTest)
#include "einstellungen_test.moc"
