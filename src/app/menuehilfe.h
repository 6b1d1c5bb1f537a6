#pragma once

#include <QObject>

#include <initializer_list>

class HelpSystem;
class QAction;
class QWidget;

// F1 on a highlighted menu item opens the help at the item's context: in an
// open popup menu, or in the menu bar while its titles are walked with the
// keyboard. The menus get a style that lets disabled items be highlighted
// too, so that their help is reachable.
class MenueHilfe : public QObject
{
    Q_OBJECT

public:
    // `wurzeln`: the menu bar and the popup menus; their submenus are found.
    // The help system must outlive this object.
    MenueHilfe(HelpSystem &hilfe, std::initializer_list<QWidget *> wurzeln, QObject *parent);

    // Closes the open menus, so that the help window can take the input, and
    // asks for the item's help.
    void anfordern(const QAction *punkt);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HelpSystem &m_hilfe;
};
