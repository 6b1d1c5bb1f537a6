#pragma once

#include <QString>

// A tooltip that shows `text` as it is. Qt takes a tooltip for rich text
// when it looks like markup, so a file name such as "<font size=7>X.map"
// would be drawn large: the text is escaped, and kept on one line.
QString KlartextHinweis(const QString &text);
