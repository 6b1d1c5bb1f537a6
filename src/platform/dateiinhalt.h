#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole regular file of at most `grenze` bytes. Anything else is
// refused before a byte is read, and nothing here ever blocks: a folder gives
// InOutError 5, a device, pipe or socket (checked before and after opening,
// which happens without waiting for a writer) an AppError naming it, a larger
// file an AppError naming file and bound. Other failures throw InOutError
// with the runtime's error number.
QByteArray DateiInhalt(const QString &dateiName, qint64 grenze);
