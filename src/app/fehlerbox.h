#pragma once

#include <QString>

class QWidget;

// The application title: caption of the standard error box.
inline const QString AnwendungsTitel = QStringLiteral("Zendaro 1.0 für Windows");

// The standard error box for errors that escape a command or the creation of
// a window: the message (with the full stop rule), an error icon and OK.
void FehlerZeigen(QWidget *eltern, const QString &meldung);
