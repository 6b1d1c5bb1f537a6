#include "palettenleiste.h"

#include "feldkatalog.h"
#include "feldname.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>

namespace {

constexpr int kHoehe = 25;
constexpr QSize kButtonGroesse(23, 22);
// As large as the strip allows inside its border.
constexpr int kBildKante = kHoehe - 2;

// Pages in the order of the paged container and of the tool bar switches.
constexpr Palette kSeiten[] = {Palette::Gruenland, Palette::Wueste, Palette::KuesteMeer};

} // namespace

TPalettenLeiste::TPalettenLeiste(QWidget *parent)
    : QFrame(parent), VisiblePanel(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("HolderPanel"));
    VisiblePanel->setObjectName(QStringLiteral("VisiblePanel"));
    setFixedHeight(kHoehe);
    setFrameShape(QFrame::NoFrame);
    auto *rand = new QHBoxLayout(this);
    rand->setContentsMargins(1, 1, 1, 1);
    rand->setSpacing(6);
    rand->addWidget(VisiblePanel, 1);
    FeldText = new QLabel(this);
    FeldText->setObjectName(QStringLiteral("FeldText"));
    rand->addWidget(FeldText);
    FeldBild = new QLabel(this);
    FeldBild->setObjectName(QStringLiteral("FeldBild"));
    FeldBild->setFixedSize(kBildKante, kBildKante);
    rand->addWidget(FeldBild);
    rand->addSpacing(3);

    VisiblePanel->addWidget(seiteAnlegen(Palette::Gruenland, QStringLiteral("Grünland"), {102, 204}));
    VisiblePanel->addWidget(seiteAnlegen(Palette::Wueste, QStringLiteral("Wüste"), {102, 204, 306, 408}));
    VisiblePanel->addWidget(seiteAnlegen(Palette::KuesteMeer, QStringLiteral("Küste/Meer"), {30, 132, 234, 336}));
    VisiblePanel->setCurrentIndex(0);
}

QWidget *TPalettenLeiste::seiteAnlegen(Palette palette, const QString &titel, std::initializer_list<int> trennlinien)
{
    auto *seite = new QWidget;
    seite->setObjectName(titel);
    seite->setWindowTitle(titel);
    auto *gruppe = new QButtonGroup(seite);
    gruppe->setExclusive(true);
    for (const FeldTyp &typ : FeldKatalog()) {
        if (typ.palette != palette)
            continue;
        auto *button = new QToolButton(seite);
        button->setObjectName(QString::fromUtf8(typ.button));
        button->setToolTip(FeldName(typ.code));
        button->setIcon(QIcon(QStringLiteral(":/palette/%1").arg(typ.code)));
        button->setIconSize(QSize(16, 16));
        button->setAutoRaise(true);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(QRect(QPoint(typ.buttonX, 0), kButtonGroesse));
        // The first button of each page starts pressed: its tile is the one
        // the tool bar switch selects.
        button->setChecked(typ.code == ErsterFeldtyp(palette));
        gruppe->addButton(button);
        m_knoepfe[typ.code] = button;
        const std::uint8_t code = typ.code;
        connect(button, &QToolButton::clicked, this, [this, code] { emit feldtypGewaehlt(code); });
    }
    for (int x : trennlinien) {
        auto *linie = new QFrame(seite);
        linie->setFrameShape(QFrame::VLine);
        linie->setFrameShadow(QFrame::Sunken);
        linie->setGeometry(x, 0, 2, kButtonGroesse.height());
    }
    return seite;
}

void TPalettenLeiste::paletteZeigen(Palette palette)
{
    for (int i = 0; i < int(std::size(kSeiten)); ++i) {
        if (kSeiten[i] == palette)
            VisiblePanel->setCurrentIndex(i);
    }
}

Palette TPalettenLeiste::gezeigtePalette() const
{
    return kSeiten[VisiblePanel->currentIndex()];
}

void TPalettenLeiste::feldtypZeigen(std::uint8_t code, const QImage &bild)
{
    const FeldTyp *typ = FeldTypZuCode(code);
    if (typ && typ->palette != Palette::Keine) {
        paletteZeigen(typ->palette);
        m_knoepfe.at(code)->setChecked(true);
    } else {
        // An exclusive group keeps one button pressed; lifting it for a
        // moment lets the last one go.
        auto *gruppe = VisiblePanel->currentWidget()->findChild<QButtonGroup *>();
        if (QAbstractButton *gedrueckt = gruppe->checkedButton()) {
            gruppe->setExclusive(false);
            gedrueckt->setChecked(false);
            gruppe->setExclusive(true);
        }
    }
    FeldText->setText(FeldName(code));
    FeldBild->setPixmap(QPixmap::fromImage(bild.scaled(kBildKante, kBildKante, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}
