#include "zeichenmodul.h"

#include "apperror.h"
#include "laden.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <dlfcn.h>

int ZeichenBefehl(const Argumente &a, Ausgaben io)
{
    const QString pfad = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                         + QLatin1String(ZENDARO_MODUL_ORDNER) + QLatin1String("/zendaro-map-render.so"));
    // Never unloaded: Qt Gui keeps state for the rest of the process.
    void *modul = dlopen(QFile::encodeName(pfad).constData(), RTLD_NOW | RTLD_LOCAL);
    void *einstieg = modul ? dlsym(modul, "zendaro_map_zeichnen") : nullptr;
    if (!einstieg) {
        Melden(io.err, errorBoxText(QStringLiteral("Das Bildmodul kann nicht geladen werden: %1")
                                        .arg(QString::fromLocal8Bit(dlerror()))));
        return Ende::EaFehler;
    }
    return reinterpret_cast<decltype(&zendaro_map_zeichnen)>(einstieg)(a, io);
}
