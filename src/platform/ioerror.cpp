#include "ioerror.h"

#include <cerrno>

InOutError::InOutError(int code) : AppError(ioErrorText(code)), m_code(code) {}

QString ioErrorText(int code)
{
    switch (code) {
    case IoFehler::DateiNichtGefunden:
        return QStringLiteral("Datei nicht gefunden");
    case IoFehler::UngueltigerDateiname:
        return QStringLiteral("Ungültiger Dateiname");
    case IoFehler::ZuVieleDateien:
        return QStringLiteral("Zu viele geöffnete Dateien");
    case IoFehler::ZugriffVerweigert:
        return QStringLiteral("Dateizugriff verweigert");
    case IoFehler::ZuWenigSpeicherplatz:
        return QStringLiteral("Zu wenig Speicherplatz");
    case IoFehler::UngueltigeZahl:
        return QStringLiteral("Ungültige numerische Eingabe");
    default:
        return QStringLiteral("E/A-Fehler %1").arg(code);
    }
}

int ioErrorFromErrno(int osError, bool reading)
{
    switch (osError) {
    case ENOENT:
        return reading ? IoFehler::DateiNichtGefunden : IoFehler::UngueltigerDateiname;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return IoFehler::UngueltigerDateiname;
    case EMFILE:
    case ENFILE:
        return IoFehler::ZuVieleDateien;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return IoFehler::ZugriffVerweigert;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return IoFehler::ZuWenigSpeicherplatz;
    default:
        return osError;
    }
}
