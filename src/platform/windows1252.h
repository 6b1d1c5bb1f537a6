#pragma once

#include <QByteArray>
#include <QString>

// Map files are Windows-1252 text. Decoding maps every byte to one character
// and encoding reverses it exactly, including the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D), so names round-trip byte for
// byte. Characters outside the code page encode as "?", the code page's usual
// replacement; never as 0x1A (substitute), which ends a file for its readers.
QString fromWindows1252(const QByteArray &bytes);
QByteArray toWindows1252(const QString &text);
