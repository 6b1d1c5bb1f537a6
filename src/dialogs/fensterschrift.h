#pragma once

#include <QFont>
#include <QString>

// A font given as the windows were drawn: a family and a character height in
// pixels. Where the Windows family is missing, a condensed DejaVu face stands
// in: its widths come closest to the narrow Windows fonts, so captions fit
// the controls laid out for them. Without it Qt's own matching picks the
// installed face of the style hint.
QFont fensterSchrift(const QString &familie, int pixelHoehe, bool fett = false, bool kursiv = false,
                     QFont::StyleHint hinweis = QFont::SansSerif);
