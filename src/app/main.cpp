#include "soundplayer.h"
#include "tzendaromain.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
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
    app.setWindowIcon(ProgrammSymbol());

    // Start-up order: the splash window first, then the help file and the
    // application title (fehlerbox.h), then the main window, which creates
    // the map properties dialog after itself; the main window is shown last.
    TZendaroMain ZendaroMain(std::make_unique<ThreadSoundPlayer>(PulseOutput));
    // Only the main window's close step ends the program, also while another
    // top-level window such as the splash is still open.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&ZendaroMain, &TZendaroMain::geschlossen, &app, &QCoreApplication::quit);
    ZendaroMain.showMaximized();
    return app.exec();
}
