#include "helpviewer.h"
#include "soundplayer.h"
#include "tsplash.h"
#include "tzendaromain.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

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

} // namespace

// The command line is not read: every start shows the start-up map.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtAufDeutsch(app);
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

    // The main window makes Dialog1, Gestalter, OptionenDlg and AboutBox
    // after its own creation, in that order, all hidden.
    TZendaroMain ZendaroMain(std::make_unique<ThreadSoundPlayer>(PulseOutput), hilfe);
    // Only the main window's close step ends the program, also while another
    // top-level window such as the splash or the help is still open.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&ZendaroMain, &TZendaroMain::geschlossen, &app, &QCoreApplication::quit);
    // Without a window manager nobody maximises: the window first takes the
    // screen's room itself.
    ZendaroMain.setGeometry(ZendaroMain.screen()->availableGeometry());
    ZendaroMain.showMaximized();
    // A window manager keeps the splash on top by its flag; without one the
    // window shown last would cover it.
    Splash.raise();
    return app.exec();
}
