#include "platzierung.h"

#include <QLabel>
#include <QTabWidget>

#include <algorithm>

QLabel *autoLabel(QWidget *parent, const char *name, const QString &text, int links, int oben)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(links, oben);
    label->adjustSize();
    return label;
}

void breiteFuerText(QWidget *widget, int rechterRand)
{
    const int noetig = std::min(widget->sizeHint().width(), rechterRand - widget->x());
    if (noetig > widget->width())
        widget->resize(noetig, widget->height());
}

QWidget *notebookSeite(QTabWidget *notebook, const char *name, const QString &titel)
{
    auto *seite = new QWidget;
    seite->setObjectName(QLatin1String(name));
    seite->setAutoFillBackground(true);
    notebook->addTab(seite, titel);
    return seite;
}
