#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file with the given bytes as a whole: they go to a temporary
// file in the same folder, which takes the old file's place only once every
// byte is on the disk. On any failure (full disk, quota, file size limit,
// missing folder, no permission) the old file stays byte for byte and
// InOutError is thrown with the runtime's error number.
//
// The new file keeps the old one's mode and, where the caller may set them,
// its owner and group. A file with several hard links is replaced, not
// written through; a symbolic link is followed and its target replaced.
void DateiErsetzen(const QString &dateiName, const QByteArray &inhalt);
