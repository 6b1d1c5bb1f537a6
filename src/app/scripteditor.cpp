#include "scripteditor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace Scripteditor {

QStringList Programmnamen()
{
    QStringList namen{QStringLiteral("brscript.exe")};
#ifndef Q_OS_WIN
    // Off Windows a program carries no extension.
    namen << QStringLiteral("brscript");
#endif
    return namen;
}

QString Suchen()
{
    // Never the working folder: a program planted in whatever folder the
    // editor was started from must not run on a click.
    const QDir programmOrdner(QCoreApplication::applicationDirPath());
    for (const QString &name : Programmnamen()) {
        const QFileInfo daneben(programmOrdner, name);
        if (daneben.isFile() && daneben.isExecutable())
            return daneben.absoluteFilePath();
    }
    for (const QString &name : Programmnamen()) {
        QString gefunden = QStandardPaths::findExecutable(name);
        if (!gefunden.isEmpty())
            return gefunden;
    }
    return {};
}

bool Starten()
{
    const QString programm = Suchen();
    return !programm.isEmpty() && QProcess::startDetached(programm, {}, QDir::currentPath());
}

} // namespace Scripteditor
