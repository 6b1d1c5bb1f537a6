#include "platzierung.h"

#include <QLabel>

QLabel *autoLabel(QWidget *parent, const char *name, const QString &text, int links, int oben)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(links, oben);
    label->adjustSize();
    return label;
}
