#include "feldname.h"
#include "palettenleiste.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

class PalettenLeisteTest : public QObject
{
    Q_OBJECT

    static QList<QToolButton *> knoepfe(const TPalettenLeiste &leiste, int seite)
    {
        return leiste.VisiblePanel->widget(seite)->findChildren<QToolButton *>();
    }

private slots:
    void pagesInOrderWithTheirButtons()
    {
        TPalettenLeiste leiste;
        QCOMPARE(leiste.VisiblePanel->count(), 3);
        const QStringList titel = {QStringLiteral("Grünland"), QStringLiteral("Wüste"), QStringLiteral("Küste/Meer")};
        const QList<int> anzahl = {9, 18, 15};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(leiste.VisiblePanel->widget(i)->objectName(), titel[i]);
            QCOMPARE(knoepfe(leiste, i).size(), anzahl[i]);
        }
        QCOMPARE(leiste.VisiblePanel->currentIndex(), 0);
        QCOMPARE(leiste.height(), 25);
    }

    // Every button of the catalogue sits at its x position, 23 x 22, with
    // its tile picture, and the first of each page starts pressed.
    void buttonsFromTheCatalogue()
    {
        TPalettenLeiste leiste;
        for (const FeldTyp &typ : FeldKatalog()) {
            if (typ.palette == Palette::Keine)
                continue;
            auto *knopf = leiste.findChild<QToolButton *>(QString::fromUtf8(typ.button));
            QVERIFY2(knopf, typ.button);
            QCOMPARE(knopf->geometry(), QRect(typ.buttonX, 0, 23, 22));
            QVERIFY2(!knopf->icon().pixmap(16).isNull(), typ.button);
            QCOMPARE(knopf->isChecked(), typ.code == ErsterFeldtyp(typ.palette));
            if (typ.hinweis)
                QCOMPARE(knopf->toolTip(), QString::fromUtf8(typ.hinweis));
        }
        // Buttons without a hint of their own are named as everywhere else,
        // sand with stones apart from meadow with stones.
        QCOMPARE(leiste.findChild<QToolButton *>("SandMitSteinenButton")->toolTip(), QStringLiteral("Sand mit Steinen"));
        QCOMPARE(leiste.findChild<QToolButton *>("MitBlumenButton")->toolTip(), QStringLiteral("Wiese mit Blumen"));
    }

    void separatorsBetweenGroups()
    {
        TPalettenLeiste leiste;
        const QList<QList<int>> linien = {{102, 204}, {102, 204, 306, 408}, {30, 132, 234, 336}};
        for (int i = 0; i < 3; ++i) {
            QList<int> xs;
            for (QFrame *f : leiste.VisiblePanel->widget(i)->findChildren<QFrame *>()) {
                if (f->frameShape() == QFrame::VLine) {
                    QCOMPARE(f->size(), QSize(2, 22));
                    xs << f->x();
                }
            }
            std::sort(xs.begin(), xs.end());
            QCOMPARE(xs, linien[i]);
        }
    }

    // One pressed button per page; a click moves it and names its tile,
    // also a click on the button already pressed.
    void exclusiveGroupPerPage()
    {
        TPalettenLeiste leiste;
        leiste.show();
        QSignalSpy gewaehlt(&leiste, &TPalettenLeiste::feldtypGewaehlt);
        auto *baum = leiste.findChild<QToolButton *>("GrosserBaumButton");
        auto *gras = leiste.findChild<QToolButton *>("NurGrasButton");
        auto *sand = leiste.findChild<QToolButton *>("EinfachSandButton");
        QTest::mouseClick(baum, Qt::LeftButton);
        QVERIFY(baum->isChecked());
        QVERIFY(!gras->isChecked());
        QVERIFY(sand->isChecked());
        QTest::mouseClick(baum, Qt::LeftButton);
        QVERIFY(baum->isChecked());
        QCOMPARE(gewaehlt.size(), 2);
        QCOMPARE(gewaehlt.at(0).at(0).value<std::uint8_t>(), std::uint8_t(7));
        QCOMPARE(gewaehlt.at(1).at(0).value<std::uint8_t>(), std::uint8_t(7));
    }

    void showsPaletteByName()
    {
        TPalettenLeiste leiste;
        leiste.paletteZeigen(Palette::KuesteMeer);
        QCOMPARE(leiste.gezeigtePalette(), Palette::KuesteMeer);
        QCOMPARE(leiste.VisiblePanel->currentWidget()->objectName(), QStringLiteral("Küste/Meer"));
        leiste.paletteZeigen(Palette::Wueste);
        QCOMPARE(leiste.VisiblePanel->currentIndex(), 1);
    }

    // The current tile shows on its palette, pressed, and at the right end
    // with its picture and name.
    void showsTheCurrentTile()
    {
        TPalettenLeiste leiste;
        QImage blau(40, 40, QImage::Format_RGB32);
        blau.fill(Qt::blue);
        leiste.feldtypZeigen(19, blau);
        QCOMPARE(leiste.gezeigtePalette(), Palette::KuesteMeer);
        QVERIFY(leiste.findChild<QToolButton *>("SeeButton")->isChecked());
        QVERIFY(!leiste.findChild<QToolButton *>("PuresWasserButton")->isChecked());
        QCOMPARE(leiste.FeldText->text(), FeldName(19));
        const QImage bild = leiste.FeldBild->pixmap().toImage();
        QCOMPARE(bild.size(), leiste.FeldBild->size());
        QCOMPARE(bild.pixelColor(bild.rect().center()), QColor(Qt::blue));
    }
};

QTEST_MAIN(PalettenLeisteTest)
#include "palettenleiste_test.moc"
