#pragma once

#include <QImage>
#include <QString>

namespace art {

// Saves a generated picture; says on stderr which file could not be written,
// so a failed regeneration names its cause.
bool save(const QImage &image, const QString &path, const char *format);

} // namespace art
