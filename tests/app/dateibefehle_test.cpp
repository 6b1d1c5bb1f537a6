#include "aufnahmehilfe.h"
#include "dateiname.h"
#include "kartenbild.h"
#include "kartendatei.h"
#include "kartendokument.h"
#include "modalfolge.h"
#include "soundplayer.h"
#include "standardleiste.h"
#include "toptionendlg.h"
#include "tzendaromain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

using M = ModalFolge;

QByteArray lesen(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// The dialog of a window answered in a sequence, by its object name.
M::Aktion dialog1(const std::function<void(QWidget *)> &aktion)
{
    return [aktion](QWidget *w) {
        QCOMPARE(w->objectName(), QStringLiteral("Dialog1"));
        aktion(w);
    };
}

} // namespace

class DateibefehleTest : public QObject
{
    Q_OBJECT

    AufnahmeHilfe hilfe;
    std::unique_ptr<TZendaroMain> w;
    std::unique_ptr<QTemporaryDir> ordner;

    QString pfad(const QString &name) const { return ordner->filePath(name); }

    void malen(int feld = 2)
    {
        w->AktuellerFeldtyp = 51;
        const QPoint p = FeldRechteck(w->Dokument->karte(), feld).center();
        QTest::mousePress(w->PaintBoxen[0], Qt::LeftButton, {}, p);
        QTest::mouseRelease(w->PaintBoxen[0], Qt::LeftButton, {}, p);
        QVERIFY(w->KarteGeaendert());
    }

    // Names the map as OK in the properties dialog does.
    void benennen(const QString &name)
    {
        w->Dokument->eigenschaftenAendern({name, w->Dokument->karte().ZeitLimit, 0});
    }

    // A valid map file of one page of 176 fields, all sand.
    QString sandKarte()
    {
        TKarte karte = w->Dokument->karte();
        StandardGroesseSetzen(karte, 1);
        karte.Felder[1].fill(51);
        const QString datei = pfad("sand.map");
        DateiSchreiben(karte, datei, QStringLiteral("Wüste"));
        return datei;
    }

private slots:
    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        w = std::make_unique<TZendaroMain>(nullptr, hilfe);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void cleanup()
    {
        w.reset();
        ordner.reset();
    }

    void extensionOfAPath()
    {
        QCOMPARE(DateiErweiterung("/a/b/karte.map"), QStringLiteral(".map"));
        QCOMPARE(DateiErweiterung("/a/b.d/karte"), QString());
        QCOMPARE(DateiErweiterung("/a/b/karte."), QStringLiteral("."));
        QCOMPARE(DateiErweiterung("/a/b/k.tar.Qkm"), QStringLiteral(".Qkm"));
        QVERIFY(KartenErweiterung(".Map"));
        QVERIFY(KartenErweiterung(".qKM"));
        QVERIFY(!KartenErweiterung(".mapx"));
        QVERIFY(!KartenErweiterung(""));
        // Only a to z are upper-cased: a dotless i stays what it is.
        QVERIFY(!KartenErweiterung(QStringLiteral(".qkm").replace('k', QChar(0x0138))));

        // The picture a map is exported to: beside its file, or in the folder given.
        QCOMPARE(BildVorschlag("/a/b/tal.v2.map", "Tal", {}, ".png"), QStringLiteral("/a/b/tal.v2.png"));
        QCOMPARE(BildVorschlag("/a/b/tal.map", "Tal", "/x", ".bmp"), QStringLiteral("/x/tal.bmp"));
        QCOMPARE(BildVorschlag({}, "Hoch/Tief", "/x", ".bmp"), QStringLiteral("/x/Hoch_Tief.bmp"));
        QCOMPARE(BildVorschlag({}, " ", "/x", ".png"), QStringLiteral("/x/Unbenannt.png"));
        QCOMPARE(BildVorschlag({}, "..", "/x", ".png"), QStringLiteral("/x/Unbenannt.png"));
    }

    // Right after start: no prompt, and the dialog opens with "Unbenannt".
    // Its Cancel cancels New; its OK makes a meadow without a file.
    void newRightAfterStart()
    {
        w->Dokument->dateinameSetzen(pfad("alt.map"));
        const QByteArray vorher = KartenText(w->Dokument->karte(), {});
        QString nameImDialog;
        {
            M folge{dialog1([&](QWidget *d) {
                nameImDialog = d->findChild<QLineEdit *>("Edit1")->text();
                qobject_cast<QDialog *>(d)->reject();
            })};
            w->Menue.NeueKarte1->trigger();
            QVERIFY(folge.alleBeantwortet());
            QCOMPARE(folge.gesehen.size(), 1);
        }
        QCOMPARE(nameImDialog, QStringLiteral("Unbenannt"));
        QCOMPARE(KartenText(w->Dokument->karte(), {}), vorher);
        QCOMPARE(w->Dokument->dateiname(), pfad("alt.map"));

        M folge{M::annehmen()};
        w->Menue.NeueKarte1->trigger();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(w->Dokument->karte().KartenName, QStringLiteral("Unbenannt"));
        QVERIFY(w->Dokument->dateiname().isEmpty());
        QVERIFY(!w->KarteGeaendert());
        for (int s = 1; s <= 4; ++s)
            for (int f = 1; f <= 176; ++f)
                QCOMPARE(w->Dokument->karte().Felder[s][f], std::uint8_t(1));
    }

    void newAfterPaintingAsksFirst()
    {
        malen();
        const auto vorher = w->Dokument->karte().Felder;
        {
            M folge{M::knopf(QMessageBox::Cancel)};
            QTest::mouseClick(w->Panel1->ToolButton1, Qt::LeftButton);
            QCOMPARE(folge.gesehen, QStringList{"Bestätigen|Sollen die Änderungen in der Karte gespeichert werden?"});
        }
        QVERIFY(w->Dokument->karte().Felder == vorher);
        QVERIFY(w->KarteGeaendert());
        M folge{M::knopf(QMessageBox::No), M::annehmen()};
        w->Menue.NeueKarte1->trigger();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(w->Dokument->karte().Felder[1][2], std::uint8_t(1));
        QVERIFY(!w->KarteGeaendert());
    }

    void saveAsByExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("datei");     // what is written
        QTest::addColumn<QString>("warnung");   // the quoted extension, or null for none
        QTest::newRow("no extension gets .map") << "karte" << "karte.map" << QString();
        QTest::newRow(".Map") << "karte.Map" << "karte.Map" << QString();
        QTest::newRow(".qkm") << "karte.qkm" << "karte.qkm" << QString();
        QTest::newRow(".txt") << "karte.txt" << "karte.txt" << ".txt";
    }

    // Mapped extensions are written at once; any other only after the
    // warning's "OK", under the name exactly as typed.
    void saveAsByExtension()
    {
        QFETCH(QString, name);
        QFETCH(QString, datei);
        QFETCH(QString, warnung);
        benennen(QStringLiteral("Insel"));
        malen();
        M folge = warnung.isNull() ? M{M::datei(pfad(name))} : M{M::datei(pfad(name)), M::knopf("OK")};
        w->Menue.Speichernunter1->trigger();
        QVERIFY(folge.alleBeantwortet());
        if (!warnung.isNull()) {
            QCOMPARE(folge.gesehen.at(1),
                     QStringLiteral("Warnung|Wenn Sie die Spielkarte mit der Erweiterung \"%1\" abspeichern,\n"
                                    " können Sie sie später möglicherweise nicht weiterverwenden.\n Fortfahren?")
                         .arg(warnung));
        }
        QCOMPARE(folge.gesehen.size(), warnung.isNull() ? 1 : 2);
        QCOMPARE(QDir(ordner->path()).entryList(QDir::Files), QStringList{datei});
        QVERIFY(lesen(pfad(datei)).contains("Insel"));
        QCOMPARE(w->Dokument->dateiname(), pfad(datei));
        QVERIFY(!w->KarteGeaendert());
    }

    // Another existing file is replaced only after "Ja"; "Nein" goes back
    // to the file dialog. The map's own file is replaced without a word.
    void saveAsOverAnExistingFileAsks()
    {
        const QString anderer = pfad("fertig.map");
        {
            QFile f(anderer);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("fertig");
        }
        benennen(QStringLiteral("Insel"));
        malen();
        {
            M folge{M::datei(anderer), M::knopf("Nein"), [](QWidget *d) {
                        QVERIFY(qobject_cast<QFileDialog *>(d));
                        qobject_cast<QDialog *>(d)->reject();
                    }};
            w->Menue.Speichernunter1->trigger();
            QVERIFY(folge.alleBeantwortet());
            QCOMPARE(folge.gesehen.at(1), "Bestätigen|Die Datei fertig.map ist bereits vorhanden.\nSoll sie ersetzt werden?");
            QCOMPARE(folge.gesehen.size(), 3);
            QCOMPARE(lesen(anderer), QByteArray("fertig"));
            QVERIFY(w->KarteGeaendert());
        }
        {
            M folge{M::datei(anderer), M::knopf("Ja")};
            w->Menue.Speichernunter1->trigger();
            QVERIFY(folge.alleBeantwortet());
            QVERIFY(lesen(anderer).contains("Insel"));
            QCOMPARE(w->Dokument->dateiname(), anderer);
        }
        malen(3);
        M folge{M::datei(anderer)};
        w->Menue.Speichernunter1->trigger();
        QCOMPARE(folge.gesehen.size(), 1);
        QVERIFY(!w->KarteGeaendert());
    }

    void saveAsDeclinedTwiceWritesNothing()
    {
        malen();
        benennen(QStringLiteral("Insel"));
        M folge{M::datei(pfad("karte.txt")), M::knopf("Abbrechen"), M::abbrechen()};
        w->Menue.Speichernunter1->trigger();
        QVERIFY(folge.alleBeantwortet());
        QVERIFY(QDir(ordner->path()).isEmpty());
        QVERIFY(w->Dokument->dateiname().isEmpty());
        QVERIFY(w->KarteGeaendert());
    }

    // Without a real name the properties dialog comes first.
    void saveAsAsksForANameFirst()
    {
        benennen({});
        M folge{dialog1([](QWidget *d) {
                    d->findChild<QLineEdit *>("Edit1")->setText(QStringLiteral("Küste"));
                    qobject_cast<QDialog *>(d)->accept();
                }),
                M::datei(pfad("k.map"))};
        w->Menue.Speichern1->trigger();
        QVERIFY(folge.alleBeantwortet());
        QVERIFY(lesen(pfad("k.map")).contains("K\xfcste"));
    }

    void saveWithANameWritesAtOnce()
    {
        malen();
        w->Dokument->dateinameSetzen(pfad("seltsam.txt"));
        M folge{};
        QTest::mouseClick(w->Panel1->ToolButton3, Qt::LeftButton);
        QVERIFY(folge.gesehen.isEmpty());
        QVERIFY(!lesen(pfad("seltsam.txt")).isEmpty());
        QVERIFY(!w->KarteGeaendert());
        // Not modified now: New asks nothing before its dialog.
        M neu{M::abbrechen()};
        w->Menue.NeueKarte1->trigger();
        QCOMPARE(neu.gesehen.size(), 1);
        QVERIFY(!neu.gesehen.at(0).startsWith("Bestätigen"));
    }

    // The title names the file and marks changes; undoing them takes the
    // mark away again.
    void titleShowsTheFileAndTheModifiedMark()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Unbenannt[*] – Lumerant! Zendaro"));
        malen();
        QVERIFY(w->isWindowModified());
        M folge{M::datei(pfad("insel"))};
        benennen(QStringLiteral("Insel"));
        w->Menue.Speichernunter1->trigger();
        QCOMPARE(w->windowTitle(), QStringLiteral("insel.map[*] – Lumerant! Zendaro"));
        QCOMPARE(w->windowFilePath(), pfad("insel.map"));
        QVERIFY(!w->isWindowModified());
        malen(5);
        QVERIFY(w->isWindowModified());
        w->Menue.RckgngigBefehl1->trigger();
        QVERIFY(!w->isWindowModified());
    }

    // The whole map or the current page, at a scale and in a format, as the
    // renderer draws it. The file dialog, under the command's title, offers
    // NAME.png (.bmp) beside the map, later the folder last exported to.
    void exportWritesThePicture_data()
    {
        QTest::addColumn<QStringList>("wahl");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<double>("massstab");
        QTest::newRow("whole map") << QStringList{"&Ganze Karte", "&100 %", "&PNG"} << "tal.png" << 1.0;
        QTest::newRow("current page") << QStringList{"&Aktuelle Seite", "&100 %", "&PNG"} << "tal.png" << 1.0;
        QTest::newRow("page at 50 % as BMP") << QStringList{"&Aktuelle Seite", "&50 %", "&BMP"} << "tal.bmp" << 0.5;
        QTest::newRow("map at 200 %") << QStringList{"&Ganze Karte", "&200 %", "&PNG"} << "tal.png" << 2.0;
    }

    void exportWritesThePicture()
    {
        QFETCH(QStringList, wahl);
        QFETCH(QString, datei);
        QFETCH(double, massstab);
        malen();
        w->Dokument->dateinameSetzen(pfad("tal.map"));
        w->AktuelleSeite = 1;
        QString vorschlag;
        const M::Aktion speichern = [&vorschlag](QWidget *dialog) {
            vorschlag = qobject_cast<QFileDialog *>(dialog)->selectedFiles().value(0);
            qobject_cast<QDialog *>(dialog)->accept();
        };
        M folge{M::waehlen(wahl), speichern};
        w->Menue.AlsBildExportieren1->trigger();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(folge.gesehen.value(1), QStringLiteral("Als Bild exportieren"));
        QCOMPARE(vorschlag, pfad(datei));
        const QImage bild(vorschlag, datei.endsWith(".bmp") ? "BMP" : "PNG");
        const TKarte &karte = w->Dokument->karte();
        const QImage erwartet = wahl.contains("&Ganze Karte") ? KartenBild(karte) : SeitenBild(karte, 1);
        QCOMPARE(bild.size(), erwartet.size() * massstab);
        if (massstab == 1.0)
            QCOMPARE(bild.convertToFormat(QImage::Format_RGB32), erwartet.convertToFormat(QImage::Format_RGB32));
        QVERIFY(w->KarteGeaendert());

        // The second export of the same map goes where the first went.
        QDir(ordner->path()).mkdir("bilder");
        M zweite{M::waehlen({}), M::datei(pfad("bilder/x")), M::waehlen({}), speichern};
        w->Menue.AlsBildExportieren1->trigger();
        w->Menue.AlsBildExportieren1->trigger();
        QVERIFY(zweite.alleBeantwortet());
        QCOMPARE(vorschlag, pfad("bilder/" + datei));
    }

    // Saving over a map keeps its previous version as NAME~, one generation;
    // switched off in the options, nothing but the map is written.
    void saveKeepsThePreviousVersion()
    {
        const QString datei = pfad("karte.map");
        w->Dokument->dateinameSetzen(datei);
        benennen(QStringLiteral("eins"));
        QVERIFY(w->Speichern1Click());
        QVERIFY(!QFile::exists(datei + '~'));
        const QByteArray eins = lesen(datei);
        benennen(QStringLiteral("zwei"));
        QVERIFY(w->Speichern1Click());
        QCOMPARE(lesen(datei + '~'), eins);
        const QByteArray zwei = lesen(datei);
        benennen(QStringLiteral("drei"));
        QVERIFY(w->Speichern1Click());
        QCOMPARE(lesen(datei + '~'), zwei);
        w->OptionenDlg->findChild<QCheckBox *>("SicherungBox")->setChecked(false);
        benennen(QStringLiteral("vier"));
        QVERIFY(w->Speichern1Click());
        QCOMPARE(lesen(datei + '~'), zwei);
        QVERIFY(lesen(datei).contains("vier"));
        QCOMPARE(QDir(ordner->path()).entryList(QDir::Files).size(), 2);
    }

    void fileDialogsRememberTheirOwnNames()
    {
        const QString sand = sandKarte();
        {
            M folge{M::datei(sand)};
            w->Menue.ffnen1->trigger();
        }
        QCOMPARE(w->OpenDialog1->selectedFiles().value(0), sand);
        QVERIFY(w->SaveDialog1->selectedFiles().value(0) != sand);
    }

    void fileDialogsListMapsAsKarte()
    {
        for (QFileDialog *dialog : {w->OpenDialog1, w->SaveDialog1}) {
            auto *typen = dialog->findChild<QComboBox *>("fileTypeCombo");
            QVERIFY(typen);
            QCOMPARE(typen->count(), 2);
            QCOMPARE(typen->itemText(0), QStringLiteral("Karte"));
            QCOMPARE(typen->itemText(1), QStringLiteral("Alle Dateien"));
            // Map files of either extension first.
            auto *dateien = dialog->findChild<QFileSystemModel *>();
            QVERIFY(dateien);
            QCOMPARE(dateien->nameFilters(), QStringList({"*.map", "*.qkm"}));
        }
    }

    // A map file dropped onto the window opens like Open, save prompt first;
    // other files are refused at the door.
    void dropOpensAMap()
    {
        const QString sand = sandKarte();
        QMimeData fremd;
        fremd.setUrls({QUrl::fromLocalFile(pfad("bild.png"))});
        QDragEnterEvent anderes(QPoint(50, 50), Qt::CopyAction, &fremd, Qt::LeftButton, {});
        QApplication::sendEvent(w.get(), &anderes);
        QVERIFY(!anderes.isAccepted());

        malen();
        QMimeData daten;
        daten.setUrls({QUrl::fromLocalFile(pfad("bild.png")), QUrl::fromLocalFile(sand)});
        QDragEnterEvent hinein(QPoint(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(w.get(), &hinein);
        QVERIFY(hinein.isAccepted());
        M folge{M::knopf(QMessageBox::No)};
        QDropEvent fallen(QPointF(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(w.get(), &fallen);
        QTRY_COMPARE(w->Dokument->dateiname(), sand);
        QCOMPARE(folge.gesehen, QStringList{"Bestätigen|Sollen die Änderungen in der Karte gespeichert werden?"});
        QCOMPARE(w->Dokument->karte().KartenName, QStringLiteral("Wüste"));
        QVERIFY(!w->KarteGeaendert());
    }

    // Open replaces the map only with a valid map; otherwise everything
    // stays as it was, and the box names what went wrong.
    void openThatFails_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("inhalt");   // null: no file at all; "|": a pipe
        QTest::addColumn<QString>("meldung");
        QTest::newRow("missing") << "fehlt.map" << QByteArray() << "Zendaro 1.0 für Windows|Datei nicht gefunden.";
        QTest::newRow("wrong header")
            << "kaputt.map" << QByteArray("keine Karte\r\n\r\n")
            << "Fehler|Die Datei kaputt.map ist entweder beschädigt oder enthält keine gültige Spielkarte!";
        QTest::newRow("markup in the name")
            << "<font size=7 color=red>Achtung<br>gefunden.map" << QByteArray("keine Karte\r\n")
            << "Fehler|Die Datei <font size=7 color=red>Achtung<br>gefunden.map ist entweder beschädigt oder enthält "
               "keine gültige Spielkarte!";
        QTest::newRow("pipe") << "pipe.map" << QByteArray("|")
                              << "Zendaro 1.0 für Windows|pipe.map ist keine gewöhnliche Datei und wird nicht gelesen.";
    }

    void openThatFails()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        if (inhalt == "|") {
            QCOMPARE(::mkfifo(QFile::encodeName(pfad(name)).constData(), 0600), 0);
        } else if (!inhalt.isNull()) {
            QFile datei(pfad(name));
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write(inhalt);
        }
        malen();
        w->Dokument->dateinameSetzen(pfad("vorher.map"));
        const TKarte vorher = w->Dokument->karte();
        // A name is shown as it is, never as markup.
        const M::Aktion klartextOk = [](QWidget *box) {
            QCOMPARE(qobject_cast<QMessageBox *>(box)->textFormat(), Qt::PlainText);
            M::knopf("OK")(box);
        };
        M folge{M::knopf(QMessageBox::No), M::datei(pfad(name)), klartextOk};
        QTest::mouseClick(w->Panel1->ToolButton2, Qt::LeftButton);
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(folge.gesehen.at(2), meldung);
        QVERIFY(w->Dokument->karte().Felder == vorher.Felder);
        QCOMPARE(w->Dokument->karte().AnzahlSeiten, vorher.AnzahlSeiten);
        QCOMPARE(w->Dokument->dateiname(), pfad("vorher.map"));
        QVERIFY(w->KarteGeaendert());
        QVERIFY(w->PaintBoxen[3]->isVisible());
    }

    void openAfterPaintingWithNoReadsTheFile()
    {
        const QString sand = sandKarte();
        malen();
        M folge{M::knopf(QMessageBox::No), M::datei(sand)};
        w->Menue.ffnen1->trigger();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(w->Dokument->karte().KartenName, QStringLiteral("Wüste"));
        QCOMPARE(w->Dokument->karte().AnzahlSeiten, std::uint8_t(1));
        QCOMPARE(w->Dokument->karte().Felder[1][2], std::uint8_t(51));
        QCOMPARE(w->Dokument->dateiname(), sand);
        QCOMPARE(w->AktuelleSeite, 1);
        QVERIFY(!w->KarteGeaendert());
        QVERIFY(w->PaintBoxen[0]->isVisible());
        QVERIFY(!w->PaintBoxen[1]->isVisible());
        QCOMPARE(w->ScrollBox1->widget()->size(), QSize(640, 440));
    }

    // A Yes whose Save writes nothing must not lose the painted map: the
    // command is abandoned as after Cancel.
    void yesThatSavesNothingAbandonsTheCommand_data()
    {
        QTest::addColumn<int>("befehl");   // 0 New, 1 Open, 2 close
        QTest::newRow("New") << 0;
        QTest::newRow("Open") << 1;
        QTest::newRow("close") << 2;
    }

    void yesThatSavesNothingAbandonsTheCommand()
    {
        QFETCH(int, befehl);
        benennen(QStringLiteral("Insel"));
        malen();
        const auto vorher = w->Dokument->karte().Felder;
        QSignalSpy geschlossen(w.get(), &TZendaroMain::geschlossen);
        // The third answer would let the command go on; it must not be asked.
        M folge{M::knopf(QMessageBox::Yes), M::abbrechen(), befehl == 1 ? M::datei(sandKarte()) : M::abbrechen()};
        if (befehl == 0)
            w->Menue.NeueKarte1->trigger();
        else if (befehl == 1)
            w->Menue.ffnen1->trigger();
        else
            w->close();
        QCOMPARE(folge.gesehen.size(), 2);   // prompt and the Save As dialog, nothing after
        QVERIFY(w->Dokument->karte().Felder == vorher);
        QVERIFY(w->KarteGeaendert());
        QVERIFY(w->isVisible());
        QCOMPARE(geschlossen.size(), 0);
    }

    void yesWhoseWriteFailsShowsTheErrorAndKeepsTheMap()
    {
        malen();
        w->Dokument->dateinameSetzen(pfad("fehlt/karte.map"));
        const auto vorher = w->Dokument->karte().Felder;
        M folge{M::knopf(QMessageBox::Yes), M::knopf(QMessageBox::Ok), M::knopf(QMessageBox::Yes),
                M::knopf(QMessageBox::Ok)};
        w->Menue.NeueKarte1->trigger();
        QCOMPARE(folge.gesehen.size(), 2);
        QVERIFY(folge.gesehen.at(1).startsWith("Zendaro 1.0 für Windows|"));
        QVERIFY(w->Dokument->karte().Felder == vorher);
        QVERIFY(w->KarteGeaendert());
        QCOMPARE(w->Dokument->dateiname(), pfad("fehlt/karte.map"));
        w->close();
        QVERIFY(folge.alleBeantwortet());
        QVERIFY(w->isVisible());
    }

    void closeAsksWhenModified()
    {
        QSignalSpy geschlossen(w.get(), &TZendaroMain::geschlossen);
        malen();
        {
            M folge{M::knopf(QMessageBox::Cancel)};
            QVERIFY(!w->close());
            QCOMPARE(folge.gesehen.size(), 1);
        }
        QVERIFY(w->isVisible());
        QVERIFY(w->KarteGeaendert());
        QVERIFY(!w->Dokument->karte().FeldBilder[0].isNull());
        {
            w->Dokument->dateinameSetzen(pfad("ende.map"));
            M folge{M::knopf(QMessageBox::Yes)};
            QVERIFY(w->close());
        }
        QVERIFY(lesen(pfad("ende.map")).size() > 0);
        QCOMPARE(geschlossen.size(), 1);
        // The close step has released the tile images and the sounds.
        for (const QImage &bild : w->Dokument->karte().FeldBilder)
            QVERIFY(bild.isNull());
        QVERIFY(w->GrasSound.isEmpty() && w->SandSound.isEmpty() && w->WasserSound.isEmpty());
    }

    void closeWithNoWritesNothing()
    {
        malen();
        w->Dokument->dateinameSetzen(pfad("nein.map"));
        M folge{M::knopf(QMessageBox::No)};
        QVERIFY(w->close());
        QVERIFY(!QFile::exists(pfad("nein.map")));
    }

    void sizeChangeOnOkLaysOutThePages()
    {
        M folge{dialog1([](QWidget *d) {
            d->findChild<QRadioButton *>("Btn9x176Felder")->click();
            d->findChild<QPushButton *>("BitBtn3")->click();
        })};
        w->Menue.Eigenschaften1->trigger();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(w->Dokument->karte().AnzahlSeiten, std::uint8_t(9));
        QVERIFY(w->PaintBoxen[8]->isVisible());
        QVERIFY(!w->PaintBoxen[9]->isVisible());
        QCOMPARE(w->ScrollBox1->widget()->size(), QSize(1920, 1320));
        QCOMPARE(w->Dokument->karte().Felder[9][1], std::uint8_t(1));
        QVERIFY(w->KarteGeaendert());
    }
};

QTEST_MAIN(DateibefehleTest)
#include "dateibefehle_test.moc"
