#include "bildschirmmitte.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void aufBildschirmMitte(QWidget *fenster)
{
    QScreen *bildschirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!bildschirm)
        return;
    QRect rahmen = fenster->frameGeometry();
    rahmen.moveCenter(bildschirm->availableGeometry().center());
    fenster->move(rahmen.topLeft());
}
