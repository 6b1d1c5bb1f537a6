#include "dateiersetzen.h"

#include "ioerror.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

int FehlerNummer(int os, int ersatz)
{
    return os != 0 ? ioErrorFromErrno(os, false) : ersatz;
}

// Gives the temporary file the owner and group of the file it replaces, so a
// save by another account (root, or a member of the file's group) does not
// take the map over. Falls back to the group alone, then to nothing: what the
// caller may not set stays as the system made it.
void EigentuemerUebernehmen([[maybe_unused]] int handle, [[maybe_unused]] const QString &dateiName)
{
#ifdef Q_OS_UNIX
    struct stat alt = {};
    struct stat neu = {};
    if (handle < 0 || ::stat(QFile::encodeName(dateiName).constData(), &alt) != 0 || ::fstat(handle, &neu) != 0)
        return;
    if (alt.st_uid == neu.st_uid && alt.st_gid == neu.st_gid)
        return;
    if (::fchown(handle, alt.st_uid, alt.st_gid) != 0 && alt.st_gid != neu.st_gid)
        (void)::fchown(handle, static_cast<uid_t>(-1), alt.st_gid);
#endif
}

} // namespace

void DateiErsetzen(const QString &dateiName, const QByteArray &inhalt)
{
    if (dateiName.isEmpty())
        throw InOutError(IoFehler::DateiNichtGefunden);
    // Unbuffered, so a failing write shows at write() itself: a buffered
    // QSaveFile loses the error of its last flush and commits an empty file.
    QSaveFile datei(dateiName);
    errno = 0;
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw InOutError(FehlerNummer(errno, IoFehler::ZugriffVerweigert));
    errno = 0;
    if (datei.write(inhalt) != inhalt.size()) {
        const int os = errno;
        datei.cancelWriting();
        throw InOutError(FehlerNummer(os, IoFehler::ZuWenigSpeicherplatz));
    }
    EigentuemerUebernehmen(datei.handle(), dateiName);
    errno = 0;
    if (!datei.commit())
        throw InOutError(FehlerNummer(errno, IoFehler::ZuWenigSpeicherplatz));
}
