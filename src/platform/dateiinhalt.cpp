#include "dateiinhalt.h"

#include "ioerror.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
class Deskriptor
{
public:
    explicit Deskriptor(int fd) : m_fd(fd) {}
    ~Deskriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Deskriptor(const Deskriptor &) = delete;
    Deskriptor &operator=(const Deskriptor &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

[[noreturn]] void OsFehler(int os)
{
    throw InOutError(os != 0 ? ioErrorFromErrno(os, true) : IoFehler::DateiNichtGefunden);
}

[[noreturn]] void ZuGross(const QString &dateiName, qint64 grenze)
{
    throw AppError(QStringLiteral("Die Datei %1 ist größer als %2 MiB und wird nicht gelesen")
                       .arg(QFileInfo(dateiName).fileName(), QString::number(grenze / (qint64(1024) * 1024))));
}

// Refuses what is no regular file or larger than the bound.
void Pruefen(const struct stat &st, const QString &dateiName, qint64 grenze)
{
    if (S_ISDIR(st.st_mode))
        throw InOutError(IoFehler::ZugriffVerweigert);
    if (!S_ISREG(st.st_mode))
        throw AppError(QStringLiteral("%1 ist keine gewöhnliche Datei und wird nicht gelesen")
                           .arg(QFileInfo(dateiName).fileName()));
    if (st.st_size > grenze)
        ZuGross(dateiName, grenze);
}

} // namespace

QByteArray DateiInhalt(const QString &dateiName, qint64 grenze)
{
    if (dateiName.isEmpty())
        throw InOutError(IoFehler::DateiNichtGefunden);
    const QByteArray pfad = QFile::encodeName(dateiName);
    struct stat st = {};
    // A look before opening: opening a pipe for reading waits for a writer.
    if (::stat(pfad.constData(), &st) != 0)
        OsFehler(errno);
    Pruefen(st, dateiName, grenze);
    // Without waiting even if the name was swapped for a pipe meanwhile; the
    // descriptor's own status then decides.
    const Deskriptor datei(::open(pfad.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (datei.fd() < 0)
        OsFehler(errno);
    if (::fstat(datei.fd(), &st) != 0)
        OsFehler(errno);
    Pruefen(st, dateiName, grenze);

    // The size is only a hint (the file may grow while it is read): read to
    // the end, but never past the bound.
    QByteArray inhalt(static_cast<qsizetype>(st.st_size) + 1, Qt::Uninitialized);
    qsizetype gelesen = 0;
    for (;;) {
        if (gelesen == inhalt.size()) {
            if (gelesen > grenze)
                ZuGross(dateiName, grenze);
            inhalt.resize(std::min<qsizetype>(std::max<qsizetype>(gelesen * 2, 65536), grenze + 1));
        }
        const ssize_t n = ::read(datei.fd(), inhalt.data() + gelesen, static_cast<size_t>(inhalt.size() - gelesen));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            OsFehler(errno);
        }
        if (n == 0)
            break;
        gelesen += n;
    }
    inhalt.truncate(gelesen);
    return inhalt;
}
