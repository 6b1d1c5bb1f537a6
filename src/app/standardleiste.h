#pragma once

#include <QToolBar>

class QButtonGroup;
class QToolButton;

// The tool bar Panel1 ("Standardleiste"): flat buttons with the 16 x 16
// pictures of ImageList1, left to right, with the palette switches in one
// exclusive group.
class TStandardleiste : public QToolBar
{
    Q_OBJECT

public:
    explicit TStandardleiste(QWidget *parent = nullptr);

    QToolButton *ToolButton1;
    QToolButton *ToolButton2;
    QToolButton *ToolButton3;
    QToolButton *ToolButton12;
    QToolButton *ToolButton13;
    QToolButton *ToolButton14;
    QToolButton *GestalterButton;
    QToolButton *ToolButton17;
    QToolButton *ToolButton19;
    QToolButton *ToolButton20;

private:
    QToolButton *knopf(const char *name, int bild, bool aktiv = true);

    QButtonGroup *m_paletten;
};
