// Writes the splash picture (pictures/splash.bmp, 300 x 223) and the light
// bulb of the tip window (pictures/tipbulb.bmp, 84 x 205), both in 256
// colours, into the resources folder given as argument.

#include "imagefile.h"
#include "noise.h"
#include "quantize.h"
#include "terrain.h"
#include "tilelayout.h"

#include "feldbilder.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

// A small landscape of the program's own tiles. The right middle stays plain
// meadow under the panel that carries the release label.
QImage landscape()
{
    static const int codes[6][8] = {
        {1, 1, 4, 1, 1, 1, 1, 1},         {7, 1, 13, 1, 77, 65, 65, 75},   {41, 25, 43, 11, 69, 56, 61, 67},
        {29, 49, 31, 1, 73, 63, 63, 71}, {45, 27, 47, 16, 1, 14, 1, 7},    {100, 100, 100, 100, 100, 100, 100, 100},
    };
    QImage map(8 * art::TileSize, 6 * art::TileSize, QImage::Format_RGB32);
    QPainter p(&map);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 8; ++c)
            p.drawImage(c * art::TileSize, r * art::TileSize, art::paintTile(BildNummer(codes[r][c])));
    return map;
}

QImage splash()
{
    QImage img(300, 223, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawImage(0, 0, landscape(), 6, 8);

    // Title banner fading into the landscape.
    QLinearGradient banner(0, 0, 0, 88);
    banner.setColorAt(0, QColor(12, 24, 70, 240));
    banner.setColorAt(0.6, QColor(20, 40, 100, 200));
    banner.setColorAt(1, QColor(20, 40, 100, 0));
    p.fillRect(0, 0, 300, 88, banner);

    QFont title("DejaVu Serif");
    title.setBold(true);
    title.setPixelSize(46);
    QPainterPath word;
    word.addText(0, 0, title, "Zendaro");
    const QRectF box = word.boundingRect();
    word.translate(150 - box.center().x(), 48);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawPath(word.translated(2.5, 2.5));
    QLinearGradient gold(0, 48 - box.height() * 0.75, 0, 48);
    gold.setColorAt(0, QColor(255, 244, 170));
    gold.setColorAt(0.5, QColor(240, 190, 60));
    gold.setColorAt(1, QColor(170, 110, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(70, 40, 10), 1.2));
    p.drawPath(word);

    QFont subtitle("DejaVu Sans");
    subtitle.setPixelSize(12);
    subtitle.setBold(true);
    p.setFont(subtitle);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(QRect(1, 59, 300, 18), Qt::AlignHCenter, "Karten-Editor für Kronvale");
    p.setPen(QColor(236, 240, 255));
    p.drawText(QRect(0, 58, 300, 18), Qt::AlignHCenter, "Karten-Editor für Kronvale");

    // A calm panel under the release label.
    p.setPen(QPen(QColor(120, 90, 50), 1.2));
    p.setBrush(QColor(252, 246, 226, 235));
    p.drawRoundedRect(QRectF(170.5, 122.5, 106, 63), 6, 6);

    // Frame.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(20, 24, 40));
    p.drawRect(0, 0, 299, 222);
    p.end();
    return art::toIndexed(img, art::fitPalette({img}, 256));
}

QImage tipBulb()
{
    QImage img(84, 205, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 205);
    sky.setColorAt(0, QColor(110, 150, 230));
    sky.setColorAt(1, QColor(8, 24, 96));
    p.fillRect(img.rect(), sky);

    const QPointF centre(42, 72);
    // Glow around the lit bulb.
    QRadialGradient glow(centre, 42);
    glow.setColorAt(0, QColor(255, 250, 190, 200));
    glow.setColorAt(0.5, QColor(255, 240, 150, 70));
    glow.setColorAt(1, QColor(255, 240, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 42, 42);

    // Glass: a ball narrowing into the neck.
    QPainterPath glass;
    glass.moveTo(31, 118);
    glass.cubicTo(31, 104, 16, 96, 16, 72);
    glass.arcTo(QRectF(16, 46, 52, 52), 180, -180);
    glass.cubicTo(68, 96, 53, 104, 53, 118);
    glass.closeSubpath();
    QRadialGradient fill(centre - QPointF(8, 10), 40);
    fill.setColorAt(0, QColor(255, 255, 240));
    fill.setColorAt(0.55, QColor(255, 240, 150));
    fill.setColorAt(1, QColor(230, 180, 60));
    p.setBrush(fill);
    p.setPen(QPen(QColor(150, 110, 30), 1.4));
    p.drawPath(glass);

    // Filament on its two wires.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(140, 110, 60), 1.2));
    p.drawLine(QPointF(36, 116), QPointF(36, 80));
    p.drawLine(QPointF(48, 116), QPointF(48, 80));
    QPainterPath coil;
    coil.moveTo(36, 80);
    for (int i = 0; i < 6; ++i)
        coil.quadTo(38 + i * 2, 74 + (i % 2) * 12, 38 + i * 2 + 1, 80);
    p.setPen(QPen(QColor(255, 120, 20), 1.4));
    p.drawPath(coil);

    // Highlight on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 210), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(23, 53, 38, 38), 110 * 16, 50 * 16);

    // Screw base and contact.
    for (int i = 0; i < 5; ++i) {
        QLinearGradient metal(30, 0, 54, 0);
        metal.setColorAt(0, QColor(120, 124, 132));
        metal.setColorAt(0.35, QColor(236, 238, 242));
        metal.setColorAt(1, QColor(90, 94, 104));
        p.setBrush(metal);
        p.setPen(QPen(QColor(60, 62, 70), 1));
        p.drawRoundedRect(QRectF(30, 118 + i * 5, 24, 5), 2.5, 2.5);
    }
    p.setBrush(QColor(50, 50, 56));
    p.drawRoundedRect(QRectF(35, 143, 14, 6), 3, 3);
    p.end();
    return art::toIndexed(img, art::fitPalette({img}, 256));
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application; no display is needed to draw into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <resources-dir>\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + "/pictures";
    if (!QDir().mkpath(dir))
        return 1;
    return art::save(splash(), dir + "/splash.bmp", "BMP") && art::save(tipBulb(), dir + "/tipbulb.bmp", "BMP") ? 0 : 1;
}
