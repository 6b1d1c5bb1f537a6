#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// The windows are laid out at fixed positions; every control carries its
// name as object name, so it can be found by it.
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

// Widens a control whose caption needs more room in the installed font than
// its place gives it, but not past the right edge given, so that it does not
// run into its neighbours.
void breiteFuerText(QWidget *widget, int rechterRand);

class QTabWidget;

// A new last page of a tabbed notebook. It is filled with the button face, as
// the pages were drawn, so that the light edges of frames on it show.
QWidget *notebookSeite(QTabWidget *notebook, const char *name, const QString &titel);
