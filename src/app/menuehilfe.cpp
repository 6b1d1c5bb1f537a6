#include "menuehilfe.h"

#include "helpsystem.h"
#include "hilfekontext.h"
#include "menuestil.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

MenueHilfe::MenueHilfe(HelpSystem &hilfe, std::initializer_list<QWidget *> wurzeln, QObject *parent)
    : QObject(parent), m_hilfe(hilfe)
{
    auto *stil = new MenueStil;
    stil->setParent(this);
    for (QWidget *wurzel : wurzeln) {
        wurzel->installEventFilter(this);
        if (qobject_cast<QMenu *>(wurzel))
            wurzel->setStyle(stil);
        for (QMenu *unter : wurzel->findChildren<QMenu *>()) {
            unter->installEventFilter(this);
            unter->setStyle(stil);
        }
    }
}

void MenueHilfe::anfordern(const QAction *punkt)
{
    const quint32 kontext = HilfeKontextSuchen(punkt);
    while (QWidget *offen = QApplication::activePopupWidget())
        offen->close();
    m_hilfe.request(HelpSystem::HELP_CONTEXT, kontext);
}

bool MenueHilfe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
        return false;
    const QAction *punkt = nullptr;
    if (auto *menue = qobject_cast<QMenu *>(watched))
        // An open menu without a highlighted item still shows its own title
        // highlighted.
        punkt = menue->activeAction() ? menue->activeAction() : menue->menuAction();
    else if (auto *leiste = qobject_cast<QMenuBar *>(watched))
        punkt = leiste->activeAction();
    if (!punkt)
        return false;
    anfordern(punkt);
    return true;
}
