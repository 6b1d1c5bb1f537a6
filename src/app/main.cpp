#include "apperror.h"
#include "aufruf.h"
#include "helpviewer.h"
#include "ioerror.h"
#include "rettungskopie.h"
#include "soundplayer.h"
#include "tsplash.h"
#include "tzendaromain.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// Qt's own words (standard buttons, file dialogs, edit-field menus) in German,
// like the rest of the interface.
void QtAufDeutsch(QApplication &app)
{
    auto *uebersetzung = new QTranslator(&app);
    if (uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(uebersetzung);
}

QIcon ProgrammSymbol()
{
    QIcon symbol;
    for (int kante : {16, 32, 48, 256})
        symbol.addFile(QStringLiteral(":/icon/zendaro-%1").arg(kante), QSize(kante, kante));
    return symbol;
}

// Output that did not reach its reader (a full disk, a closed pipe) is a
// failure, not an answer.
bool Ausgeben(const QString &text, std::FILE *strom)
{
    errno = 0;
    return std::fputs(text.toLocal8Bit().constData(), strom) >= 0 && std::fflush(strom) == 0 && !std::ferror(strom);
}

} // namespace

int main(int argc, char *argv[])
{
    // Past a file size limit a write fails with its error, which the writers
    // report, instead of the signal killing the editor with the map.
    std::signal(SIGXFSZ, SIG_IGN);
    // Read before the application object, which needs a display: --help and
    // a wrong call answer on any terminal without opening a window.
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    const Aufruf aufruf = AufrufLesen(argumente, QDir::currentPath());
    if (aufruf.ende) {
        if (!Ausgeben(aufruf.ausgabe, stdout)) {
            const int os = errno != 0 ? errno : ENOSPC;
            Ausgeben(QStringLiteral("zendaro: %1\n").arg(errorBoxText(ioErrorText(ioErrorFromErrno(os, false)))), stderr);
            return 2;
        }
        Ausgeben(aufruf.fehler, stderr);
        return *aufruf.ende;
    }

    // Qt takes its own options (-reverse, -style ...) from anywhere in the
    // command line; after "--" come file names, which are not for Qt.
    int qtArgumente = int(std::find_if(argv, argv + argc, [](const char *a) { return std::strcmp(a, "--") == 0; }) - argv);
    QApplication app(qtArgumente, argv);
    // Settings in ~/.config/Zendaro/zendaro.conf, recovery copies in
    // ~/.local/share/Zendaro/zendaro/recovery/.
    QCoreApplication::setOrganizationName(QStringLiteral("Zendaro"));
    QCoreApplication::setApplicationName(QStringLiteral("zendaro"));
    QtAufDeutsch(app);
    // Dates and sizes in the file dialogs, and numbers anywhere, the German way.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Before any window: the about box copies the icon when it is made.
    app.setWindowIcon(ProgrammSymbol());

    // The splash is drawn at once, so that it shows while the rest is built,
    // and stays until its picture is clicked.
    TSplash Splash;
    Splash.show();
    Splash.repaint();

    // The help; the application title is the standard error box's caption
    // (fehlerbox.h). It is not made Qt's display name, which the window
    // system would append to every window caption.
    HelpViewer hilfe;
    QSettings einstellungen;

    // The main window makes Dialog1, Gestalter, OptionenDlg and AboutBox
    // after its own creation, in that order, all hidden.
    TZendaroMain ZendaroMain(std::make_unique<ThreadSoundPlayer>(PulseOutput), hilfe);
    // Only the main window's close step ends the program, also while another
    // top-level window such as the splash or the help is still open.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&ZendaroMain, &TZendaroMain::geschlossen, &app, &QCoreApplication::quit);
    if (ZendaroMain.EinstellungenLaden(einstellungen)) {
        ZendaroMain.show();
    } else {
        // Without a window manager nobody maximises: the window first takes
        // the screen's room itself.
        ZendaroMain.setGeometry(ZendaroMain.screen()->availableGeometry());
        ZendaroMain.showMaximized();
    }
    // A window manager keeps the splash on top by its flag; without one the
    // window shown last would cover it.
    Splash.raise();
    ZendaroMain.RettungskopienEinrichten(RettungskopienOrdner());
    // Once the window is up: first the maps a crash left behind, then a map
    // named on the command line, as Open would open it; its errors show over
    // the start-up map.
    QTimer::singleShot(0, &ZendaroMain, [&] {
        ZendaroMain.RettungskopienAnbieten();
        if (!aufruf.datei.isEmpty())
            ZendaroMain.DateiOeffnen(aufruf.datei);
    });
    const int ende = app.exec();
    ZendaroMain.EinstellungenBeimBeenden();
    return ende;
}
