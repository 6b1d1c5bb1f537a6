#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Replaces the file with the given bytes as a whole: they go to a temporary
// file in the same folder, which takes the old file's place only once every
// byte is on the disk. On any failure (full disk, quota, file size limit,
// missing folder, no permission) the old file stays byte for byte and
// InOutError is thrown with the runtime's error number.
//
// The new file keeps the old one's mode and, where the caller may set them,
// its owner and group. A file with several hard links is replaced, not
// written through; a symbolic link is followed and its target replaced.
// NurEigentuemer makes it 0600 whatever it was: for copies of maps that
// may be private.
enum class DateiRechte : std::uint8_t { WieBisher, NurEigentuemer };
void DateiErsetzen(const QString &dateiName, const QByteArray &inhalt, DateiRechte rechte = DateiRechte::WieBisher);

// Copies a regular file to `ziel` the same way, a piece at a time, so that
// the size of the file does not matter. The copy gets the mode of `quelle`
// and, where the caller may set them, its owner and group.
void DateiKopieren(const QString &quelle, const QString &ziel);

// True when the file may be written but its folder takes no new file, so
// that neither a temporary file nor a backup can be made beside it.
bool NurDirektSchreibbar(const QString &dateiName);
// Writes the bytes into the existing file in place. Not atomic: a failure
// part way (a full disk) leaves the file partly new. Throws InOutError.
void DateiUeberschreiben(const QString &dateiName, const QByteArray &inhalt);
