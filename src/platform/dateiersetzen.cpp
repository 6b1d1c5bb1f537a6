#include "dateiersetzen.h"

#include "ioerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int FehlerNummer(int os, int ersatz)
{
    return os != 0 ? ioErrorFromErrno(os, false) : ersatz;
}

// Gives the temporary file the owner and group of `alt` (the file it
// replaces, or the one it copies), so a save by another account (root, or a
// member of the file's group) does not take the map over. Falls back to the
// group alone, then to nothing: what the caller may not set stays as the
// system made it.
void EigentuemerUebernehmen(int handle, const struct stat &alt)
{
    struct stat neu = {};
    if (handle < 0 || ::fstat(handle, &neu) != 0)
        return;
    if (alt.st_uid == neu.st_uid && alt.st_gid == neu.st_gid)
        return;
    if (::fchown(handle, alt.st_uid, alt.st_gid) != 0 && alt.st_gid != neu.st_gid)
        (void)::fchown(handle, static_cast<uid_t>(-1), alt.st_gid);
}

// A regular file opened without waiting (the name may be a pipe), closed on
// every way out. Errors are reported as for reading or for writing.
class OffeneDatei
{
public:
    OffeneDatei(const QString &name, int modus, bool lesen)
        : m_fd(::open(QFile::encodeName(name).constData(), modus | O_NONBLOCK | O_CLOEXEC))
    {
        if (m_fd < 0)
            throw InOutError(ioErrorFromErrno(errno, lesen));
        if (::fstat(m_fd, &m_info) != 0) {
            const int os = errno;
            ::close(m_fd);
            throw InOutError(ioErrorFromErrno(os, lesen));
        }
        if (!S_ISREG(m_info.st_mode)) {
            ::close(m_fd);
            throw InOutError(IoFehler::ZugriffVerweigert);
        }
    }
    ~OffeneDatei() { ::close(m_fd); }
    OffeneDatei(const OffeneDatei &) = delete;
    OffeneDatei &operator=(const OffeneDatei &) = delete;

    int fd() const { return m_fd; }
    const struct stat &info() const { return m_info; }

private:
    int m_fd;
    struct stat m_info = {};
};

// A temporary file beside the target that takes its place once complete;
// dropped on every way out before that.
class Ersatz
{
public:
    explicit Ersatz(const QString &dateiName) : m_datei(dateiName)
    {
        if (dateiName.isEmpty())
            throw InOutError(IoFehler::DateiNichtGefunden);
        // Unbuffered, so a failing write shows at write() itself: a buffered
        // QSaveFile loses the error of its last flush and commits an empty file.
        errno = 0;
        if (!m_datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw InOutError(FehlerNummer(errno, IoFehler::ZugriffVerweigert));
    }

    void schreiben(const char *daten, qint64 laenge)
    {
        errno = 0;
        if (m_datei.write(daten, laenge) != laenge) {
            const int os = errno;
            m_datei.cancelWriting();
            throw InOutError(FehlerNummer(os, IoFehler::ZuWenigSpeicherplatz));
        }
    }

    int handle() const { return m_datei.handle(); }

    void abschliessen()
    {
        errno = 0;
        if (!m_datei.commit())
            throw InOutError(FehlerNummer(errno, IoFehler::ZuWenigSpeicherplatz));
    }

private:
    QSaveFile m_datei;
};

} // namespace

void DateiErsetzen(const QString &dateiName, const QByteArray &inhalt, DateiRechte rechte)
{
    Ersatz datei(dateiName);
    datei.schreiben(inhalt.constData(), inhalt.size());
    struct stat alt = {};
    if (rechte == DateiRechte::NurEigentuemer)
        (void)::fchmod(datei.handle(), S_IRUSR | S_IWUSR);
    else if (::stat(QFile::encodeName(dateiName).constData(), &alt) == 0)
        EigentuemerUebernehmen(datei.handle(), alt);
    datei.abschliessen();
}

void DateiKopieren(const QString &quelle, const QString &ziel)
{
    const OffeneDatei datei(quelle, O_RDONLY, true);
    const int fd = datei.fd();
    const struct stat &alt = datei.info();
    Ersatz kopie(ziel);
    std::vector<char> puffer(std::size_t(1) << 20);
    for (;;) {
        const ssize_t n = ::read(fd, puffer.data(), puffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw InOutError(ioErrorFromErrno(errno, true));
        if (n == 0)
            break;
        kopie.schreiben(puffer.data(), n);
    }
    // Owner first: a change of owner may clear mode bits.
    EigentuemerUebernehmen(kopie.handle(), alt);
    (void)::fchmod(kopie.handle(), alt.st_mode & 07777);
    kopie.abschliessen();
}

bool NurDirektSchreibbar(const QString &dateiName)
{
    const QByteArray name = QFile::encodeName(dateiName);
    const QByteArray ordner = QFile::encodeName(QFileInfo(dateiName).absolutePath());
    struct stat st = {};
    return ::stat(name.constData(), &st) == 0 && S_ISREG(st.st_mode) && ::access(name.constData(), W_OK) == 0
        && ::access(ordner.constData(), W_OK | X_OK) != 0 && (errno == EACCES || errno == EPERM);
}

void DateiUeberschreiben(const QString &dateiName, const QByteArray &inhalt)
{
    // Not truncated first: the old blocks take the new text, so a full disk
    // can stop only the part beyond the old size.
    const OffeneDatei datei(dateiName, O_WRONLY, false);
    const int fd = datei.fd();
    qsizetype geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = ::write(fd, inhalt.constData() + geschrieben, std::size_t(inhalt.size() - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw InOutError(FehlerNummer(n < 0 ? errno : 0, IoFehler::ZuWenigSpeicherplatz));
        geschrieben += n;
    }
    if (::ftruncate(fd, inhalt.size()) != 0 || ::fsync(fd) != 0)
        throw InOutError(FehlerNummer(errno, IoFehler::ZuWenigSpeicherplatz));
}
