#pragma once

#include "feldkatalog.h"

#include <QFrame>

#include <span>
#include <vector>

class QAction;
class QButtonGroup;
class QToolButton;

// The tool bar Panel1 ("Standardleiste"): flat 23 x 22 buttons with the
// 16 x 16 pictures of ImageList1, left to right with 8-pixel gaps between
// the groups, edge lines at top and bottom. The palette switches form one
// exclusive group. The tools and the edge brush at the end are their menu
// items' buttons.
class TStandardleiste : public QFrame
{
    Q_OBJECT

public:
    TStandardleiste(std::span<QAction *const> werkzeuge, QAction *kanten, QAction *zufall, QWidget *parent = nullptr);

    // Makes a button run `action` and be enabled exactly while it is; the
    // button keeps its own picture and tooltip.
    static void spiegeln(QToolButton *knopf, QAction *action);

    // Shows the switch of the palette that the strip shows pressed.
    void paletteMarkieren(Palette palette);

    QToolButton *ToolButton1;
    QToolButton *ToolButton2;
    QToolButton *ToolButton3;
    QToolButton *ToolButton5;
    QToolButton *ToolButton6;
    QToolButton *ToolButton8;
    QToolButton *ToolButton9;
    QToolButton *ToolButton10;
    QToolButton *ToolButton12;
    QToolButton *ToolButton13;
    QToolButton *ToolButton14;
    QToolButton *GestalterButton;
    QToolButton *ToolButton17;
    QToolButton *ToolButton19;
    QToolButton *ToolButton20;
    // The tools in the order of their list, and the edge brush.
    std::vector<QToolButton *> werkzeugKnoepfe;
    QToolButton *KantenButton;
    QToolButton *ZufallButton;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QToolButton *knopf(const char *name, int bild, const char *befehl, bool aktiv = true);
    QToolButton *knopfFuer(QAction *action);
    void trenner();

    int m_x = 0;
    QButtonGroup *m_paletten;
};
