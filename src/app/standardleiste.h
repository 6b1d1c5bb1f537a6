#pragma once

#include "feldkatalog.h"

#include <QFrame>

class QButtonGroup;
class QToolButton;

// The tool bar Panel1 ("Standardleiste"): flat 23 x 22 buttons with the
// 16 x 16 pictures of ImageList1, left to right with 8-pixel gaps between
// the groups, edge lines at top and bottom. The palette switches form one
// exclusive group.
class TStandardleiste : public QFrame
{
    Q_OBJECT

public:
    explicit TStandardleiste(QWidget *parent = nullptr);

    // Shows the switch of the palette that the strip shows pressed.
    void paletteMarkieren(Palette palette);

    QToolButton *ToolButton1;
    QToolButton *ToolButton2;
    QToolButton *ToolButton3;
    QToolButton *ToolButton5;
    QToolButton *ToolButton6;
    QToolButton *ToolButton12;
    QToolButton *ToolButton13;
    QToolButton *ToolButton14;
    QToolButton *GestalterButton;
    QToolButton *ToolButton17;
    QToolButton *ToolButton19;
    QToolButton *ToolButton20;
    // The tools and the edge brush; the main window gives them their actions.
    QToolButton *PinselButton;
    QToolButton *FuellenButton;
    QToolButton *RechteckButton;
    QToolButton *AuswahlButton;
    QToolButton *KantenButton;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QToolButton *knopf(const char *name, int bild, const char *befehl, bool aktiv = true);
    void trenner();

    int m_x = 0;
    QButtonGroup *m_paletten;
};
