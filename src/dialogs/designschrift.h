#pragma once

#include <QFont>
#include <QString>

// A font given as the windows were drawn: a family and a character height in
// pixels. Families missing here (the Windows ones) fall back through Qt's font
// matching to the installed sans or serif family of the style hint.
QFont designSchrift(const QString &familie, int pixelHoehe, bool fett = false, bool kursiv = false,
                    QFont::StyleHint hinweis = QFont::SansSerif);
