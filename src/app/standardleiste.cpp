#include "standardleiste.h"

#include <QAction>
#include <QButtonGroup>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr int kHoehe = 30;
constexpr QSize kKnopf(23, 22);
constexpr int kLuecke = 8;
constexpr int kKnopfOben = (kHoehe - kKnopf.height()) / 2;

} // namespace

TStandardleiste::TStandardleiste(std::span<QAction *const> werkzeuge, QAction *kanten, QAction *zufall, QWidget *parent)
    : QFrame(parent), m_paletten(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(kHoehe);

    ToolButton1 = knopf("ToolButton1", 0, "Neue Karte");
    ToolButton1->setContextMenuPolicy(Qt::CustomContextMenu);
    ToolButton2 = knopf("ToolButton2", 1, "Öffnen");
    ToolButton3 = knopf("ToolButton3", 2, "Speichern");
    trenner();
    ToolButton5 = knopf("ToolButton5", 3, "Rückgängig", false);
    ToolButton6 = knopf("ToolButton6", 4, "Wiederherstellen", false);
    trenner();
    ToolButton8 = knopf("ToolButton8", 5, "Ausschneiden", false);
    ToolButton9 = knopf("ToolButton9", 6, "Kopieren", false);
    ToolButton10 = knopf("ToolButton10", 7, "Einfügen", false);
    trenner();
    ToolButton12 = knopf("ToolButton12", 8, "Palette Grünland");
    ToolButton13 = knopf("ToolButton13", 9, "Palette Wüste");
    ToolButton14 = knopf("ToolButton14", 10, "Palette Küste/Meer");
    for (QToolButton *schalter : {ToolButton12, ToolButton13, ToolButton14}) {
        schalter->setCheckable(true);
        m_paletten->addButton(schalter);
    }
    m_paletten->setExclusive(true);
    ToolButton12->setChecked(true);
    trenner();
    GestalterButton = knopf("GestalterButton", 11, "Landschafts-Box");
    GestalterButton->setCheckable(true);
    ToolButton17 = knopf("ToolButton17", 12, "Scripteditor starten");
    trenner();
    ToolButton19 = knopf("ToolButton19", 13, "Hilfe durchsuchen");
    ToolButton20 = knopf("ToolButton20", 14, "Hilfethemen");
    trenner();
    for (QAction *werkzeug : werkzeuge)
        werkzeugKnoepfe.push_back(knopfFuer(werkzeug));
    trenner();
    KantenButton = knopfFuer(kanten);
    ZufallButton = knopfFuer(zufall);
}

QToolButton *TStandardleiste::knopfFuer(QAction *action)
{
    QToolButton *button = knopf("", 0, "");
    button->setDefaultAction(action);
    return button;
}

void TStandardleiste::spiegeln(QToolButton *knopf, QAction *action)
{
    connect(knopf, &QToolButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::enabledChanged, knopf, &QToolButton::setEnabled);
    knopf->setEnabled(action->isEnabled());
}

QToolButton *TStandardleiste::knopf(const char *name, int bild, const char *befehl, bool aktiv)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(QStringLiteral(":/toolbar/%1").arg(bild)));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setEnabled(aktiv);
    // The pictures alone do not tell every command.
    button->setToolTip(QString::fromUtf8(befehl));
    button->setGeometry(QRect(QPoint(m_x, kKnopfOben), kKnopf));
    m_x += kKnopf.width();
    return button;
}

void TStandardleiste::paletteMarkieren(Palette palette)
{
    switch (palette) {
    case Palette::Gruenland:
        ToolButton12->setChecked(true);
        break;
    case Palette::Wueste:
        ToolButton13->setChecked(true);
        break;
    case Palette::KuesteMeer:
        ToolButton14->setChecked(true);
        break;
    case Palette::Keine:
        break;
    }
}

// A gap between groups, with a thin line in its middle.
void TStandardleiste::trenner()
{
    auto *linie = new QFrame(this);
    linie->setFrameShape(QFrame::VLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(m_x + (kLuecke - 2) / 2, kKnopfOben, 2, kKnopf.height());
    m_x += kLuecke;
}

void TStandardleiste::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, height() - 2, width() - 1, height() - 2);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 1, width() - 1, 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}
