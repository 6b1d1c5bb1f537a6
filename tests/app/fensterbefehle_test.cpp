// The main window's windows and tools: the script editor button, the
// landscape box and its report back, the options dialog under "E&xtras",
// the about box and the tip of the day.

#include "aufnahmehilfe.h"
#include "modalfolge.h"
#include "scripteditor.h"
#include "soundplayer.h"
#include "standardleiste.h"
#include "taboutbox.h"
#include "tdialog1.h"
#include "tgestalter.h"
#include "toptionendlg.h"
#include "ttipform.h"
#include "ttips.h"
#include "tzendaromain.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>

namespace {

using M = ModalFolge;

const QString Fehlertext = QStringLiteral("Der Brindel Scripteditor konnte nicht gefunden werden.");

// A stand-in editor: a shell script that writes its working folder into a
// file beside itself and ends.
QString standInAnlegen(const QString &ordner, const QString &name, bool ausfuehrbar = true)
{
    const QString pfad = QDir(ordner).filePath(name);
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return {};
    datei.write("#!/bin/sh\npwd > \"$0.lief\"\n");
    datei.close();
    if (ausfuehrbar)
        datei.setPermissions(datei.permissions() | QFileDevice::ExeOwner);
    return pfad;
}

QString gelesen(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()).trimmed() : QString();
}

QAction *punktMitText(const QMenu *menue, const QString &text)
{
    for (QAction *a : menue->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

} // namespace

class FensterbefehleTest : public QObject
{
    Q_OBJECT

    AufnahmeHilfe hilfe;
    std::unique_ptr<TZendaroMain> w;
    // The editor is looked for in the working folder and on PATH; both are
    // empty folders of the test's own.
    std::unique_ptr<QTemporaryDir> arbeit;
    std::unique_ptr<QTemporaryDir> suchpfad;
    QString altesArbeitsverzeichnis;
    QByteArray alterPfad;

    void gestalterZustand(bool sichtbar)
    {
        QCOMPARE(w->Gestalter->isVisible(), sichtbar);
        QCOMPARE(w->Menue.Gestalter1->isChecked(), sichtbar);
        QCOMPARE(w->Panel1->GestalterButton->isChecked(), sichtbar);
    }

private slots:
    void init()
    {
        arbeit = std::make_unique<QTemporaryDir>();
        suchpfad = std::make_unique<QTemporaryDir>();
        altesArbeitsverzeichnis = QDir::currentPath();
        alterPfad = qgetenv("PATH");
        w = std::make_unique<TZendaroMain>(nullptr, hilfe);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // The tile sheets are read before the folder changes.
        QDir::setCurrent(arbeit->path());
        qputenv("PATH", suchpfad->path().toLocal8Bit());
    }

    void cleanup()
    {
        w.reset();
        QDir::setCurrent(altesArbeitsverzeichnis);
        qputenv("PATH", alterPfad);
    }

    void fensterVerstecktAngelegt()
    {
        QWidget *fenster[] = {w->Dialog1, w->Gestalter, w->OptionenDlg, w->AboutBox};
        int vorher = -1;
        for (QWidget *f : fenster) {
            QVERIFY(f);
            QVERIFY(!f->isVisible());
            // Made in this order, after the main window's own parts.
            const int stelle = int(w->children().indexOf(f));
            QVERIFY(stelle > vorher);
            vorher = stelle;
        }
        QCOMPARE(w->Gestalter->parentWidget(), w.get());
    }

    void scripteditorFehltDannVorhanden()
    {
        M folge{[](QWidget *box) {
                    auto *m = qobject_cast<QMessageBox *>(box);
                    QVERIFY(m);
                    QCOMPARE(m->icon(), QMessageBox::NoIcon);
                    QCOMPARE(m->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
                    m->button(QMessageBox::Ok)->click();
                },
                M::knopf(QMessageBox::Ok)};
        // Found nowhere: the box, and the same again on the second click.
        w->Panel1->ToolButton17->click();
        w->Panel1->ToolButton17->click();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(folge.gesehen, QStringList(2, "Fehler|" + Fehlertext));
        QVERIFY(w->isVisible());

        // Once the editor is there, the next click starts it, in the working
        // folder, without a box.
        const QString editor = standInAnlegen(suchpfad->path(), QStringLiteral("brscript"));
        M keineBox{M::knopf(QMessageBox::Ok)};
        w->Panel1->ToolButton17->click();
        QTRY_COMPARE(gelesen(editor + ".lief"), QDir::currentPath());
        QVERIFY(keineBox.gesehen.isEmpty());
        QVERIFY(!keineBox.alleBeantwortet());
    }

    void scripteditorSuchreihenfolge()
    {
        QCOMPARE(Scripteditor::Suchen(), QString());
        const QString aufPfad = standInAnlegen(suchpfad->path(), QStringLiteral("brscript.exe"));
        QCOMPARE(Scripteditor::Suchen(), aufPfad);
        // One planted in the working folder never runs, under either name.
        standInAnlegen(arbeit->path(), QStringLiteral("brscript"));
        standInAnlegen(arbeit->path(), QStringLiteral("brscript.exe"));
        QCOMPARE(Scripteditor::Suchen(), aufPfad);
        // The program's own folder goes first; a file there that can't run
        // is no editor.
        const QString daneben = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("brscript.exe"));
        const auto aufraeumen = qScopeGuard([&] { QFile::remove(daneben); });
        standInAnlegen(QCoreApplication::applicationDirPath(), QStringLiteral("brscript.exe"), false);
        QCOMPARE(Scripteditor::Suchen(), aufPfad);
        QVERIFY(QFile::setPermissions(daneben, QFile::permissions(daneben) | QFileDevice::ExeOwner));
        QCOMPARE(Scripteditor::Suchen(), daneben);
    }

    void gestalterUmschalten()
    {
        QVERIFY(w->Menue.Gestalter1->isEnabled());
        QVERIFY(w->Panel1->GestalterButton->isEnabled());
        gestalterZustand(false);
        w->Menue.Gestalter1->trigger();
        gestalterZustand(true);
        w->Menue.Gestalter1->trigger();
        gestalterZustand(false);
        w->Panel1->GestalterButton->click();
        gestalterZustand(true);
        w->Panel1->GestalterButton->click();
        gestalterZustand(false);
    }

    // Whichever way the box closes itself, the mark and the button follow.
    void gestalterSchliesstSich()
    {
        w->Panel1->GestalterButton->click();
        gestalterZustand(true);
        w->Gestalter->findChild<QToolButton *>("btnClose")->click();
        gestalterZustand(false);

        w->Menue.Gestalter1->trigger();
        gestalterZustand(true);
        punktMitText(w->Gestalter->popupMenu(), "&Gestalter weg!!!")->trigger();
        gestalterZustand(false);

        // Shown again from the menu after closing itself.
        w->Menue.Gestalter1->trigger();
        gestalterZustand(true);
    }

    void gestalterKarteZeigtEigenschaften()
    {
        w->Menue.Gestalter1->trigger();
        QMenu *eigenschaften = punktMitText(w->Gestalter->popupMenu(), "&Eigenschaften")->menu();
        QVERIFY(eigenschaften);
        M folge{M::abbrechen()};
        punktMitText(eigenschaften, "&Karte ...")->trigger();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(folge.gesehen, QStringList{"Karteneigenschaften"});
        QVERIFY(!w->Dialog1->isVisible());
    }

    void extrasOptionen()
    {
        QMenu *extras = w->findChild<QMenu *>("Extras1");
        QVERIFY(extras->menuAction()->isVisible());
        QVERIFY(extras->menuAction()->isEnabled());
        // Only "&Optionen" does something; the rest can be seen, not used.
        QStringList aktiv;
        for (QAction *a : extras->findChildren<QAction *>())
            if (!a->menu() && !a->isSeparator() && a->isEnabled() && !a->text().isEmpty())
                aktiv << a->text();
        QCOMPARE(aktiv, QStringList{"&Optionen"});

        M folge{[this](QWidget *dialog) {
            QCOMPARE(dialog, w->OptionenDlg);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Optionen und Einstellungen"));
            qobject_cast<QDialog *>(dialog)->reject();
        }};
        w->Menue.Optionen1->trigger();
        QVERIFY(folge.alleBeantwortet());
    }

    void infoUeber()
    {
        M folge{[this](QWidget *dialog) {
            QCOMPARE(dialog, w->AboutBox);
            QVERIFY(dialog->isModal());
            qobject_cast<QDialog *>(dialog)->accept();
        }};
        w->Menue.Infober1->trigger();
        QCOMPARE(folge.gesehen, QStringList{"Info"});
    }

    void tipDesTages()
    {
        QString tip;
        M folge{[&tip](QWidget *fenster) {
            auto *form = qobject_cast<TTipForm *>(fenster);
            QVERIFY(form);
            QCOMPARE(form->TipHeader->text(), QStringLiteral("Tipp des Tages..."));
            QCOMPARE(form->TipHelp->text(), QString());
            QVERIFY(!form->ShowAtStart->isChecked());
            QVERIFY(form->Next->isEnabled());
            tip = form->TipText->text();
            form->ShowAtStart->setChecked(true);
            form->Ok->click();
        }};
        w->Menue.TipdesTages1->trigger();
        QCOMPARE(folge.gesehen, QStringList{"Wussten Sie schon?"});
        QVERIFY(QStringList({"Dieses Programm ist schon sehr alt.", "Alter schützt vor Torheit nicht."}).contains(tip));
        // The box's state stays with the component for the rest of the run.
        QVERIFY(w->BrindeltipsDlg->ShowAtStart);
        QCOMPARE(w->BrindeltipsDlg->TipsCount(), 2);
    }
};

QTEST_MAIN(FensterbefehleTest)
#include "fensterbefehle_test.moc"
