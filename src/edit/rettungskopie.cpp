#include "rettungskopie.h"

#include "dateiersetzen.h"
#include "dateiinhalt.h"
#include "ioerror.h"
#include "kartendatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A side file is a few hundred bytes; a larger one is not read, and its copy
// is offered without it.
constexpr qint64 MaxAngabenGroesse = qint64(1024) * 1024;

QString Pfad(const QString &ordner, const QString &lauf, QLatin1String endung)
{
    return QStringLiteral("%1/%2.%3").arg(ordner, lauf, endung);
}

const QLatin1String Karte("map");
const QLatin1String Angaben("json");
const QLatin1String Sperre("lock");

QString NeuerLauf()
{
    return QString::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, u'0');
}

QByteArray Name(const QString &pfad)
{
    return QFile::encodeName(pfad);
}

bool Vorhanden(const QString &pfad)
{
    struct stat st = {};
    return ::lstat(Name(pfad).constData(), &st) == 0;
}

// True while the run that wrote a copy holds its lock.
bool LaeuftNoch(const QString &sperrPfad)
{
    const int fd = ::open(Name(sperrPfad).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool gesperrt = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return gesperrt;
}

// Removes the lock file of a run that ended before it wrote a copy (or after
// it removed it). Unlinked while held, so a run that is just taking a new
// lock file under this name sees it go and takes another.
void SperreAufraeumen(const QString &sperrPfad)
{
    const int fd = ::open(Name(sperrPfad).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(Name(sperrPfad).constData());
    ::close(fd);
}

const QRegularExpression &LaufMuster()
{
    static const QRegularExpression muster(QStringLiteral("^([0-9a-f]{1,32})\\.(map|lock)$"));
    return muster;
}

} // namespace

QString RettungskopienOrdner()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

RettungsAblage::RettungsAblage(QString ordner) : m_ordner(std::move(ordner)), m_lauf(NeuerLauf()) {}

RettungsAblage::~RettungsAblage()
{
    if (m_sperre < 0)
        return;
    ::unlink(Name(Pfad(m_ordner, m_lauf, Sperre)).constData());
    ::close(m_sperre);
}

void RettungsAblage::sperren()
{
    if (m_sperre >= 0)
        return;
    errno = 0;
    if (!QDir().mkpath(m_ordner))
        throw InOutError(ioErrorFromErrno(errno != 0 ? errno : EACCES, false));
    // mkpath follows the umask, and older versions made the folder 0755.
    if (::chmod(Name(m_ordner).constData(), S_IRWXU) != 0)
        throw InOutError(ioErrorFromErrno(errno, false));
    for (int versuch = 0;; ++versuch) {
        const QByteArray pfad = Name(Pfad(m_ordner, m_lauf, Sperre));
        const int fd = ::open(pfad.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (fd < 0 && errno != EEXIST)
            throw InOutError(ioErrorFromErrno(errno, false));
        if (fd >= 0) {
            // Another editor tidying the folder may have taken the fresh file
            // for a dead run's and removed it before the lock was taken.
            struct stat offen = {};
            struct stat benannt = {};
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &offen) == 0
                && ::stat(pfad.constData(), &benannt) == 0 && offen.st_ino == benannt.st_ino
                && offen.st_dev == benannt.st_dev) {
                m_sperre = fd;
                return;
            }
            const int os = errno;
            ::close(fd);
            if (versuch >= 8)
                throw InOutError(ioErrorFromErrno(os != 0 ? os : ENOLCK, false));
        }
        m_lauf = NeuerLauf();
    }
}

void RettungsAblage::schreiben(const TKarte &karte, const QString &dateiname)
{
    sperren();
    DateiErsetzen(Pfad(m_ordner, m_lauf, Karte), KartenText(karte, karte.KartenName), DateiRechte::NurEigentuemer);
    const QJsonObject angaben{
        {QStringLiteral("datei"), dateiname},
        {QStringLiteral("name"), karte.KartenName},
        {QStringLiteral("zeit"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
    };
    DateiErsetzen(Pfad(m_ordner, m_lauf, Angaben), QJsonDocument(angaben).toJson(QJsonDocument::Compact),
                  DateiRechte::NurEigentuemer);
}

void RettungsAblage::entfernen() const
{
    QFile::remove(Pfad(m_ordner, m_lauf, Angaben));
    QFile::remove(Pfad(m_ordner, m_lauf, Karte));
}

std::vector<Rettungskopie> VerwaisteRettungskopien(const QString &ordner)
{
    std::vector<Rettungskopie> kopien;
    const QStringList namen = QDir(ordner).entryList(QDir::Files | QDir::System | QDir::Hidden);
    for (const QString &name : namen) {
        const QRegularExpressionMatch treffer = LaufMuster().match(name);
        if (!treffer.hasMatch())
            continue;
        const QString lauf = treffer.captured(1);
        if (treffer.captured(2) == Sperre) {
            if (!Vorhanden(Pfad(ordner, lauf, Karte)))
                SperreAufraeumen(Pfad(ordner, lauf, Sperre));
            continue;
        }
        if (LaeuftNoch(Pfad(ordner, lauf, Sperre)))
            continue;
        Rettungskopie kopie;
        kopie.kartenPfad = Pfad(ordner, lauf, Karte);
        kopie.zeit = QFileInfo(kopie.kartenPfad).lastModified();
        try {
            const QJsonObject angaben =
                QJsonDocument::fromJson(DateiInhalt(Pfad(ordner, lauf, Angaben), MaxAngabenGroesse)).object();
            kopie.dateiname = angaben.value(QStringLiteral("datei")).toString();
            kopie.kartenName = angaben.value(QStringLiteral("name")).toString();
            const QDateTime zeit =
                QDateTime::fromString(angaben.value(QStringLiteral("zeit")).toString(), Qt::ISODateWithMs);
            if (zeit.isValid())
                kopie.zeit = zeit;
        } catch (const AppError &) {
            // A crash between the two files, or a side file too large to
            // read: the map itself is still worth offering.
        }
        kopien.push_back(std::move(kopie));
    }
    std::sort(kopien.begin(), kopien.end(), [](const auto &a, const auto &b) { return a.zeit > b.zeit; });
    return kopien;
}

void RettungskopieEntfernen(const Rettungskopie &kopie)
{
    const QFileInfo karte(kopie.kartenPfad);
    const QString ordner = karte.path();
    const QString lauf = karte.completeBaseName();
    QFile::remove(Pfad(ordner, lauf, Angaben));
    QFile::remove(kopie.kartenPfad);
    SperreAufraeumen(Pfad(ordner, lauf, Sperre));
}
