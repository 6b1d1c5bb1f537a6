#include "feldbilder.h"
#include "tzufallskartedlg.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

// The dialog hands back what its controls show, and its picture follows a
// change of any setting once the event loop has run.
class TZufallskarteDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void vorschauFolgtDenEinstellungen()
    {
        auto karte = std::make_unique<TKarte>();
        StandardKarteAnlegen(*karte);
        TZufallskarteDlg dialog(*karte);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const ZufallskartenEinstellungen gesetzt{9, 30, 10, 25, 4, false, 4711};
        dialog.EinstellungenSetzen(gesetzt);
        QCOMPARE(dialog.Einstellungen(), gesetzt);
        QTRY_VERIFY(!dialog.Vorschau().isNull());
        QImage vorher = dialog.Vorschau();
        dialog.findChild<QSpinBox *>("WasserEdit")->setValue(50);
        QTRY_VERIFY(dialog.Vorschau() != vorher);
        vorher = dialog.Vorschau();
        const std::uint32_t saat = dialog.Einstellungen().saat;
        dialog.findChild<QPushButton *>("NeuButton")->click();
        QVERIFY(dialog.Einstellungen().saat != saat);
        QTRY_VERIFY(dialog.Vorschau() != vorher);

        // Every label with an access letter leads to its field; without a
        // buddy it would show the "&" itself.
        for (const QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->text().contains(u'&'))
                QVERIFY2(label->buddy(), qPrintable(label->text()));
        }
    }
};

QTEST_MAIN(TZufallskarteDlgTest)
#include "tst_tzufallskartedlg.moc"
