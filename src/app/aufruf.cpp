#include "aufruf.h"

#include <QCommandLineParser>
#include <QDir>

namespace {

const QString Hilfe = QStringLiteral(
    "Aufruf: zendaro [OPTION] [DATEI.map]\n"
    "Zendaro, der Karteneditor für Kronvale. Mit einer Kartendatei beginnt er mit\n"
    "dieser Karte, sonst mit der Startkarte.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help     diese Hilfe zeigen und beenden\n"
    "  -v, --version  die Version zeigen und beenden\n");

Aufruf Falsch(const QString &meldung)
{
    return {{}, AufrufFehler, {}, QStringLiteral("zendaro: %1\n\n").arg(meldung) + Hilfe};
}

} // namespace

Aufruf AufrufLesen(const QStringList &argumente, const QString &ordner)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(hilfe);
    parser.addOption(version);
    if (!parser.parse(argumente)) {
        const QStringList unbekannt = parser.unknownOptionNames();
        return Falsch(unbekannt.isEmpty() ? parser.errorText()
                                          : QStringLiteral("unbekannte Option „%1“").arg(unbekannt.constFirst()));
    }
    if (parser.isSet(hilfe))
        return {{}, 0, Hilfe, {}};
    if (parser.isSet(version))
        return {{}, 0, QStringLiteral("Zendaro %1\n").arg(QStringLiteral(ZENDARO_VERSION)), {}};
    const QStringList dateien = parser.positionalArguments();
    if (dateien.size() > 1)
        return Falsch(QStringLiteral("nur eine Kartendatei auf einmal"));
    if (dateien.isEmpty() || dateien.constFirst().isEmpty())
        return {};
    return {QDir::cleanPath(QDir(ordner).absoluteFilePath(dateien.constFirst())), std::nullopt, {}, {}};
}
