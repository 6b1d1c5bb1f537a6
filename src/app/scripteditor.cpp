#include "scripteditor.h"

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
    for (const QString &name : Programmnamen()) {
        const QFileInfo hier(QDir::current(), name);
        if (hier.isFile() && hier.isExecutable())
            return hier.absoluteFilePath();
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
