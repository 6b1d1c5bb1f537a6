#include "palettenleiste.h"

#include <QButtonGroup>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kHoehe = 25;
constexpr QSize kButtonGroesse(23, 22);

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
    auto *rand = new QVBoxLayout(this);
    rand->setContentsMargins(1, 1, 1, 1);
    rand->addWidget(VisiblePanel);

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
        // The main window shows no tooltips; the hint still reaches screen
        // readers.
        if (typ.hinweis)
            button->setAccessibleDescription(QString::fromUtf8(typ.hinweis));
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
