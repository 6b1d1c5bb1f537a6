#pragma once

#include "apperror.h"

// Input/output errors carry the classic runtime error numbers, which the user
// sees as German texts: 2, 3, 4, 5, 101 and 106 have their own wording, any
// other number reads "E/A-Fehler n".
namespace IoFehler {
constexpr int DateiNichtGefunden = 2;
constexpr int UngueltigerDateiname = 3;
constexpr int ZuVieleDateien = 4;
constexpr int ZugriffVerweigert = 5;
constexpr int ZuWenigSpeicherplatz = 101;
constexpr int UngueltigeZahl = 106;
} // namespace IoFehler

class InOutError : public AppError
{
public:
    explicit InOutError(int code);
    int code() const noexcept { return m_code; }

private:
    int m_code;
};

QString ioErrorText(int code);

// Maps an operating-system error number (errno) onto the runtime's numbers.
// `reading` tells a missing file (2) from a missing folder (3) when writing.
int ioErrorFromErrno(int osError, bool reading);
