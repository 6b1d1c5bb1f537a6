// Writes the twin of a map for Tiled: a TMX map of one layer whose tiles
// come from the three sheets converted to PNG (scene1.png ... beside it).
// Pages lie in their square arrangement as in `zendaro-map render`, each
// field's tile chosen by the same image number; the cut quirks of images 8
// and 9 are rounded to the 41-pixel grid, which Tiled's tilesets require.
//   tmxzwilling KARTE.map KARTE.tmx

#include "feldbilder.h"
#include "kartendatei.h"
#include "kartenbild.h"
#include "seitenanordnung.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int kKante = 40;
constexpr int kRaster = 41; // tile plus one pixel of spacing

struct Blatt
{
    const char *png;
    int breite, hoehe;
};

constexpr std::array<Blatt, 3> kBlaetter = {{{"scene1.png", 164, 204}, {"scene2.png", 164, 204}, {"scene3.png", 124, 40}}};

int Spalten(const Blatt &b) { return (b.breite + 1) / kRaster; }
int Kacheln(const Blatt &b) { return Spalten(b) * ((b.hoehe + 1) / kRaster); }

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    auto karte = std::make_unique<TKarte>();
    if (args.size() != 3 || !DateiLesen(*karte, args[1]) || karte->FeldGroesse != kKante) {
        QTextStream(stderr) << "Aufruf: tmxzwilling KARTE.map KARTE.tmx (Feldgröße 40)\n";
        return 64;
    }
    std::array<int, 3> ersteGid{};
    for (std::size_t i = 0, gid = 1; i < kBlaetter.size(); gid += std::size_t(Kacheln(kBlaetter[i])), ++i)
        ersteGid[i] = int(gid);

    const BildMass mass = KartenBildMass(*karte);
    const int breite = int(mass.breite / kKante);
    const int hoehe = int(mass.hoehe / kKante);
    std::vector<int> gids(std::size_t(breite) * std::size_t(hoehe), 0);
    const int spalten = Spalten(*karte);
    for (int seite = 1; seite <= SichtbareSeiten(*karte); ++seite) {
        const QPoint zelle = SeitenZelle(seite);
        for (int feld = 1; feld <= std::min(karte->AnzahlFelder, MaxFelder); ++feld) {
            const int x = zelle.x() * karte->SeitenBreite / kKante + (feld - 1) % spalten;
            const int y = zelle.y() * karte->SeitenHoehe / kKante + (feld - 1) / spalten;
            if ((feld - 1) / spalten >= karte->SeitenHoehe / kKante)
                break;
            const Ausschnitt &a = BildAusschnitte()[BildNummer(karte->Felder[seite][feld])];
            const int kachel = (a.oben + kRaster / 2) / kRaster * Spalten(kBlaetter[a.blatt]) + (a.links + kRaster / 2) / kRaster;
            gids[std::size_t(y) * std::size_t(breite) + std::size_t(x)] = ersteGid[a.blatt] + kachel;
        }
    }

    QFile datei(args[2]);
    if (!datei.open(QIODevice::WriteOnly))
        return 2;
    QTextStream tmx(&datei);
    tmx << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<map version=\"1.8\" orientation=\"orthogonal\" renderorder=\"right-down\" width=\"" << breite
        << "\" height=\"" << hoehe << "\" tilewidth=\"40\" tileheight=\"40\" infinite=\"0\""
        << " backgroundcolor=\"#c0c0c0\" nextlayerid=\"2\" nextobjectid=\"1\">\n";
    for (std::size_t i = 0; i < kBlaetter.size(); ++i) {
        const Blatt &b = kBlaetter[i];
        tmx << " <tileset firstgid=\"" << ersteGid[i] << "\" name=\"" << b.png << "\" tilewidth=\"40\" tileheight=\"40\""
            << " spacing=\"1\" tilecount=\"" << Kacheln(b) << "\" columns=\"" << Spalten(b) << "\">\n"
            << "  <image source=\"" << b.png << "\" width=\"" << b.breite << "\" height=\"" << b.hoehe << "\"/>\n"
            << " </tileset>\n";
    }
    tmx << " <layer id=\"1\" name=\"Karte\" width=\"" << breite << "\" height=\"" << hoehe << "\">\n"
        << "  <data encoding=\"csv\">\n";
    for (std::size_t i = 0; i < gids.size(); ++i)
        tmx << gids[i] << (i + 1 == gids.size() ? "\n" : ",");
    tmx << "  </data>\n </layer>\n</map>\n";
    return tmx.status() == QTextStream::Ok && datei.flush() ? 0 : 2;
}
