#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// The windows are laid out at fixed positions; every control carries its
// design name as object name, so it can be found by it.
template <typename Widget>
Widget *platziert(Widget *widget, const char *name, int links, int oben, int breite, int hoehe)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(links, oben, breite, hoehe);
    return widget;
}

// A label that takes the size of its text, with its top-left corner at the
// given place.
QLabel *autoLabel(QWidget *parent, const char *name, const QString &text, int links, int oben);
