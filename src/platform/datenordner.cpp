#include "datenordner.h"

#include <QCoreApplication>
#include <QDir>

QStringList DatenOrdner()
{
    QStringList ordner{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString programm = QCoreApplication::applicationDirPath();
        ordner << programm << QDir::cleanPath(programm + QStringLiteral("/../share/zendaro"));
    }
    return ordner;
}
