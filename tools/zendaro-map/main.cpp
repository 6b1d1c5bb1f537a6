// zendaro-map: create, check, normalise and render Kronvale map files.

#include "argumente.h"
#include "befehle.h"
#include "laden.h"

#include "apperror.h"
#include "ioerror.h"

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>

namespace {

struct Befehl
{
    const char *name;
    const char *hilfe;
    QStringList optionen;
    int positionen; // required positional arguments
    bool ausgabePflicht;
    bool ausgabeAlsPosition; // the output may follow as one more positional argument
    std::function<int(const Argumente &, Ausgaben)> ausfuehren;
    QString (*aufrufFehler)(const Argumente &) = nullptr; // further usage checks
};

const char *kUebersicht =
    "Aufruf: zendaro-map BEFEHL [ARGUMENTE]\n"
    "\n"
    "Befehle:\n"
    "  new        die Startkarte schreiben\n"
    "  check      eine Kartendatei prüfen\n"
    "  normalize  eine Kartendatei neu schreiben\n"
    "  render     eine Karte als Bild zeichnen (PNG oder BMP)\n"
    "  generate   eine Zufallskarte schreiben\n"
    "\n"
    "zendaro-map BEFEHL --help zeigt die Hilfe eines Befehls.\n";

const Befehl kBefehle[] = {
    {"new",
     "Aufruf: zendaro-map new [-o DATEI] [--seiten N] [--name TEXT] [--zeitlimit N]\n"
     "Schreibt die Startkarte (4 Seiten zu 176 Feldern, leerer Name, Zeitlimit 0)\n"
     "nach DATEI oder auf die Standardausgabe.\n"
     "--seiten     statt dessen eine neue Karte aus N Seiten (1 bis 16) zu 176\n"
     "             Feldern nur Gras, wie \"Neue Karte...\" im Editor\n"
     "--name       Name der Karte\n"
     "--zeitlimit  Zeitlimit in Runden, 10 bis 200\n",
     {"-o", "--seiten", "--name", "--zeitlimit"}, 0, false, false, NeuBefehl},
    {"check",
     "Aufruf: zendaro-map check DATEI [--kanten]\n"
     "Prüft eine Kartendatei und gibt eine Zusammenfassung aus.\n"
     "--kanten  nennt dazu jedes Feld, dessen Bild an einer gemeinsamen Ecke\n"
     "          nicht zu einem Nachbarn passt (Seite, Feld, Zeile, Spalte)\n"
     "Rückgabe: 0 gültige Karte, 1 keine gültige Karte oder (mit --kanten)\n"
     "Kantenfehler, 2 Ein-/Ausgabefehler.\n",
     {"--kanten"}, 1, false, false, PruefBefehl},
    {"normalize",
     "Aufruf: zendaro-map normalize DATEI [-o AUSGABE]\n"
     "Liest eine Karte und schreibt sie in der Normalform zurück (nach AUSGABE,\n"
     "sonst über DATEI).\n"
     "Rückgabe: 0 geschrieben, 1 keine gültige Karte, 2 Ein-/Ausgabefehler.\n",
     {"-o"}, 1, false, false, NormalisierBefehl},
    {"render",
     "Aufruf: zendaro-map render DATEI [-o] BILD.png|BILD.bmp [--tiles ORDNER] [--scale F]\n"
     "Zeichnet alle Seiten in ihrer quadratischen Anordnung als ein Bild; die\n"
     "Endung von BILD wählt PNG oder BMP.\n"
     "--tiles  Ordner mit Scene1.scn, Scene2.scn, Scene3.scn\n"
     "         (sonst Arbeitsordner, Programmordner, Datenordner)\n"
     "--scale  Maßstab von 0.01 bis 8, Vorgabe 1\n"
     "Rückgabe: 0 geschrieben, 1 keine gültige Karte oder ein Bild über\n"
     "100000000 Pixel, 2 Ein-/Ausgabefehler.\n",
     {"-o", "--tiles", "--scale"}, 1, true, true, ZeichenBefehl, ZeichenAufrufFehler},
    {"generate",
     "Aufruf: zendaro-map generate --seiten N --seed S [--wasser P] [--sand P]\n"
     "                             [--wald P] [--strassen N] [--varianten 0|1] -o DATEI\n"
     "Schreibt eine Zufallskarte: dieselben Einstellungen ergeben dieselbe Karte\n"
     "wie \"Zufallskarte ...\" im Editor, Byte für Byte.\n"
     "--seiten     Seitenzahl von 1 bis 16\n"
     "--seed       Startwert des Zufalls von 0 bis 2147483647\n"
     "--wasser     Anteil Wasser an der Fläche in Prozent, 0 bis 60, Vorgabe 20\n"
     "--sand       Anteil Sand an der Fläche in Prozent, 0 bis 60, Vorgabe 15\n"
     "--wald       Anteil Wald an den Feldern in Prozent, 0 bis 60, Vorgabe 15\n"
     "--strassen   Zahl der Straßen von 0 bis 6, Vorgabe 2\n"
     "--varianten  1 mischt Wiese und Sand aus ihren Varianten (Vorgabe), 0 nicht\n"
     "Rückgabe: 0 geschrieben, 2 Ein-/Ausgabefehler.\n",
     {"-o", "--seiten", "--seed", "--wasser", "--sand", "--wald", "--strassen", "--varianten"}, 0, true, false,
     ZufallBefehl, ZufallAufrufFehler},
};

// What a command printed must reach its reader: a full disk or a closed pipe
// behind standard output shows only when the stream is flushed, and then the
// command has not done its job.
int AusgabeAbschliessen(QTextStream &out, QTextStream &err)
{
    out.flush();
    errno = 0;
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
        return Ende::Ok;
    // The stream has dropped the cause of an earlier failed write; a full
    // disk is what stops output to a file.
    const int os = errno;
    Melden(err, errorBoxText(ioErrorText(os != 0 ? ioErrorFromErrno(os, false) : IoFehler::ZuWenigSpeicherplatz)));
    return Ende::EaFehler;
}

} // namespace

int main(int argc, char *argv[])
{
    // Past a file size limit a write fails with EFBIG, which is reported like
    // a full disk, instead of the signal killing the tool.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const Ausgaben io{out, err};
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        err << kUebersicht;
        return Ende::Aufruf;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        out << kUebersicht;
        return AusgabeAbschliessen(out, err);
    }
    for (const Befehl &befehl : kBefehle) {
        if (name != QLatin1String(befehl.name))
            continue;
        Argumente a = ArgumenteLesen(args, befehl.optionen);
        if (befehl.ausgabeAlsPosition && a.ausgabe.isEmpty() && a.positionen.size() == befehl.positionen + 1)
            a.ausgabe = a.positionen.takeLast();
        if (a.hilfe) {
            out << befehl.hilfe;
            return AusgabeAbschliessen(out, err);
        }
        QString fehler = a.fehler;
        if (fehler.isEmpty() && a.positionen.size() != befehl.positionen)
            fehler = a.positionen.size() < befehl.positionen ? QStringLiteral("Dateiname fehlt")
                                                             : QStringLiteral("zu viele Argumente");
        if (fehler.isEmpty() && befehl.ausgabePflicht && a.ausgabe.isEmpty())
            fehler = QStringLiteral("-o fehlt");
        if (fehler.isEmpty() && befehl.aufrufFehler)
            fehler = befehl.aufrufFehler(a);
        if (!fehler.isEmpty()) {
            Melden(err, QStringLiteral("zendaro-map %1: %2").arg(name, fehler));
            err << befehl.hilfe;
            return Ende::Aufruf;
        }
        const int ende = befehl.ausfuehren(a, io);
        return ende == Ende::Ok ? AusgabeAbschliessen(out, err) : ende;
    }
    Melden(err, QStringLiteral("zendaro-map: unbekannter Befehl %1").arg(name));
    err << kUebersicht;
    return Ende::Aufruf;
}
