#include "standardleiste.h"

#include <QButtonGroup>
#include <QToolButton>

TStandardleiste::TStandardleiste(QWidget *parent)
    : QToolBar(parent), m_paletten(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("Panel1"));
    setWindowTitle(QStringLiteral("Standardleiste"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));

    ToolButton1 = knopf("ToolButton1", 0);
    ToolButton1->setContextMenuPolicy(Qt::CustomContextMenu);
    ToolButton2 = knopf("ToolButton2", 1);
    ToolButton3 = knopf("ToolButton3", 2);
    addSeparator();
    knopf("ToolButton5", 3, false);
    knopf("ToolButton6", 4, false);
    addSeparator();
    knopf("ToolButton8", 5, false);
    knopf("ToolButton9", 6, false);
    knopf("ToolButton10", 7, false);
    addSeparator();
    ToolButton12 = knopf("ToolButton12", 8);
    ToolButton13 = knopf("ToolButton13", 9);
    ToolButton14 = knopf("ToolButton14", 10);
    for (QToolButton *schalter : {ToolButton12, ToolButton13, ToolButton14}) {
        schalter->setCheckable(true);
        m_paletten->addButton(schalter);
    }
    m_paletten->setExclusive(true);
    ToolButton12->setChecked(true);
    addSeparator();
    GestalterButton = knopf("GestalterButton", 11, false);
    GestalterButton->setCheckable(true);
    ToolButton17 = knopf("ToolButton17", 12);
    addSeparator();
    ToolButton19 = knopf("ToolButton19", 13);
    ToolButton20 = knopf("ToolButton20", 14);
}

QToolButton *TStandardleiste::knopf(const char *name, int bild, bool aktiv)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(QStringLiteral(":/toolbar/%1").arg(bild)));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setEnabled(aktiv);
    addWidget(button);
    return button;
}
