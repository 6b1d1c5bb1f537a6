#include "tsplash.h"

#include "bevelpanel.h"
#include "bildschirmmitte.h"
#include "fensterschrift.h"
#include "platzierung.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

TSplash::TSplash() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Info über ..."));
    setFixedSize(304, 227);
    setFont(fensterSchrift(QStringLiteral("System"), 13));

    auto *panel1 = platziert(new BevelPanel(BevelPanel::Bevel::Erhoben, BevelPanel::Bevel::Abgesenkt, this),
                             "Panel1", 0, 0, width(), height());
    Image1 = platziert(new QLabel(panel1), "Image1", 2, 2, 300, 223);
    Image1->setPixmap(QPixmap(QStringLiteral(":/picture/splash")));
    Image1->installEventFilter(this);

    // A sibling above the picture, not a child of it: clicks on the text do
    // not reach the picture.
    auto *label1 = platziert(new QLabel(QStringLiteral("Public Beta 4 Release 2003 Build 0006"), panel1), "Label1",
                             176, 128, 94, 51);
    label1->setWordWrap(true);
    label1->setFont(fensterSchrift(QStringLiteral("Sans Serif"), 15));
    QPalette rot = label1->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    label1->setPalette(rot);

    aufBildschirmMitte(this);
}

bool TSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *maus = static_cast<QMouseEvent *>(event);
        if (maus->button() == Qt::LeftButton && Image1->rect().contains(maus->position().toPoint()))
            Image1Click();
    }
    return QWidget::eventFilter(watched, event);
}

void TSplash::Image1Click()
{
    hide();
}
