#include "wiederherstellung.h"

#include "dateiersetzen.h"
#include "ioerror.h"
#include "kartendatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>

namespace {

QString KartenPfad(const QString &ordner, qint64 prozess)
{
    return QStringLiteral("%1/%2.map").arg(ordner).arg(prozess);
}

QString AngabenPfad(const QString &ordner, qint64 prozess)
{
    return QStringLiteral("%1/%2.json").arg(ordner).arg(prozess);
}

// The program name of a running process, empty when none has that id.
QByteArray ProzessName(qint64 prozess)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(prozess));
    return comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
}

// A process of the same id and program still runs: its copy is in use. An
// id taken over by another program does not hide the copy.
bool LaeuftNoch(qint64 prozess)
{
    const QByteArray name = ProzessName(prozess);
    return !name.isEmpty() && name == ProzessName(QCoreApplication::applicationPid());
}

} // namespace

QString WiederherstellungsOrdner()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

Wiederherstellung::Wiederherstellung(QString ordner, qint64 prozess) : m_ordner(std::move(ordner)), m_prozess(prozess)
{
}

void Wiederherstellung::schreiben(const TKarte &karte, const QString &dateiname) const
{
    if (!QDir().mkpath(m_ordner))
        throw InOutError(EACCES);
    DateiErsetzen(KartenPfad(m_ordner, m_prozess), KartenText(karte, karte.KartenName));
    const QJsonObject angaben{
        {QStringLiteral("datei"), dateiname},
        {QStringLiteral("name"), karte.KartenName},
        {QStringLiteral("zeit"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
        {QStringLiteral("prozess"), m_prozess},
    };
    DateiErsetzen(AngabenPfad(m_ordner, m_prozess), QJsonDocument(angaben).toJson());
}

void Wiederherstellung::entfernen() const
{
    QFile::remove(AngabenPfad(m_ordner, m_prozess));
    QFile::remove(KartenPfad(m_ordner, m_prozess));
}

std::vector<Wiederherstellungskopie> VerwaisteKopien(const QString &ordner)
{
    std::vector<Wiederherstellungskopie> kopien;
    const QStringList angabenDateien = QDir(ordner).entryList({QStringLiteral("*.json")}, QDir::Files);
    for (const QString &name : angabenDateien) {
        QFile datei(ordner + u'/' + name);
        if (!datei.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject angaben = QJsonDocument::fromJson(datei.read(qint64{64} * 1024)).object();
        Wiederherstellungskopie kopie;
        kopie.prozess = angaben.value(QStringLiteral("prozess")).toInteger();
        kopie.kartenPfad = KartenPfad(ordner, kopie.prozess);
        // Side files of another shape or without their map are not ours to offer.
        if (kopie.prozess <= 0 || name != QFileInfo(AngabenPfad(ordner, kopie.prozess)).fileName()
            || !QFileInfo::exists(kopie.kartenPfad) || LaeuftNoch(kopie.prozess))
            continue;
        kopie.dateiname = angaben.value(QStringLiteral("datei")).toString();
        kopie.kartenName = angaben.value(QStringLiteral("name")).toString();
        kopie.zeit = QDateTime::fromString(angaben.value(QStringLiteral("zeit")).toString(), Qt::ISODate);
        kopien.push_back(std::move(kopie));
    }
    std::sort(kopien.begin(), kopien.end(), [](const auto &a, const auto &b) { return a.zeit > b.zeit; });
    return kopien;
}

void KopieEntfernen(const Wiederherstellungskopie &kopie)
{
    Wiederherstellung(QFileInfo(kopie.kartenPfad).path(), kopie.prozess).entfernen();
}
