// Writes the program icon (icons/ICON1..4.png, the four frames of the
// minimized program's animation, and icons/zendaro-16/32/48/256.png), the help
// cursor (cursor/HELP_CURSORI.png) and the tool bar pictures
// (toolbar/00.png .. 21.png) into the resources folder given as argument.

#include "imagefile.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double Pi = 3.14159265358979323846;
const QColor Outline(36, 36, 44);

// ---- Program icon: a globe whose continents turn a quarter per frame -------

struct Blob
{
    double lon, lat, size;
};

// Continents as blobs on the sphere; land where their sum is high enough.
double landAt(double x, double y, double z)
{
    static const Blob blobs[] = {{0.3, 0.5, 0.55},  {0.9, 0.2, 0.45}, {1.9, -0.4, 0.6}, {2.6, 0.6, 0.4},
                                 {3.6, 0.1, 0.55},  {4.4, -0.6, 0.4}, {5.2, 0.45, 0.5}, {5.8, -0.2, 0.35},
                                 {-0.2, -0.5, 0.4}, {3.0, -0.9, 0.35}};
    double sum = 0;
    for (const Blob &b : blobs) {
        const double bx = std::cos(b.lat) * std::sin(b.lon), by = std::sin(b.lat),
                     bz = std::cos(b.lat) * std::cos(b.lon);
        const double d = std::acos(std::clamp(x * bx + y * by + z * bz, -1.0, 1.0));
        sum += std::exp(-std::pow(d / b.size, 2));
    }
    return sum;
}

QImage globe(int size, int frame)
{
    QImage img(size, size, QImage::Format_ARGB32);
    const int ss = 4;
    const double radius = size * 0.46, centre = size / 2.0;
    const double turn = frame * Pi / 2;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    const double x = (px + (sx + 0.5) / ss - centre) / radius;
                    const double y = (py + (sy + 0.5) / ss - centre) / radius;
                    const double d2 = x * x + y * y;
                    if (d2 > 1)
                        continue;
                    const double z = std::sqrt(1 - d2);
                    // Turn the sphere about its upright axis.
                    const double rx = x * std::cos(turn) + z * std::sin(turn);
                    const double rz = -x * std::sin(turn) + z * std::cos(turn);
                    const double land = landAt(rx, -y, rz);
                    double cr, cg, cb;
                    if (land > 0.62) {
                        cr = 70, cg = 150, cb = 56;
                    } else if (land > 0.52) {
                        cr = 214, cg = 196, cb = 130;
                    } else {
                        cr = 40, cg = 100, cb = 190;
                    }
                    // A faint grid of meridians and parallels, like a map.
                    const double lon = std::atan2(rx, rz), lat = std::asin(-y);
                    const bool grid = std::abs(std::remainder(lon, Pi / 4)) < 0.035 / std::max(0.2, std::cos(lat))
                                   || std::abs(std::remainder(lat, Pi / 6)) < 0.03;
                    if (grid && size >= 32) {
                        cr = cr * 0.7 + 255 * 0.3;
                        cg = cg * 0.7 + 255 * 0.3;
                        cb = cb * 0.7 + 255 * 0.3;
                    }
                    const double light = std::clamp(0.35 + 0.8 * (-0.45 * x - 0.55 * y + 0.7 * z), 0.25, 1.15);
                    const double rim = d2 > 0.9 ? 0.55 : 1.0;
                    r += std::min(255.0, cr * light) * rim;
                    g += std::min(255.0, cg * light) * rim;
                    b += std::min(255.0, cb * light) * rim;
                    a += 1;
                }
            }
            const int n = ss * ss;
            img.setPixel(px, py, a > 0 ? qRgba(int(r / a), int(g / a), int(b / a), int(255 * a / n)) : 0);
        }
    }
    // Specular glint and a dark outline.
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glint(QPointF(centre - radius * 0.4, centre - radius * 0.45), radius * 0.45);
    glint.setColorAt(0, QColor(255, 255, 255, 150));
    glint.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glint);
    p.drawEllipse(QPointF(centre, centre), radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 30, 60, 220), std::max(1.0, size / 32.0)));
    p.drawEllipse(QPointF(centre, centre), radius, radius);
    return img;
}

// ---- Help cursor: the arrow with a question mark -------------------------

QImage helpCursor()
{
    static const char *const rows[] = {
        "B...............",  "BB..............", "BWB.............", "BWWB............",
        "BWWWB...........",  "BWWWWB..........", "BWWWWWB.........", "BWWWWWWB........",
        "BWWWWWWWB.......",  "BWWWWWWWWB......", "BWWWWWWWWWB.....", "BWWWWWWBBBBB....",
        "BWWWBWWB........",  "BWWBBWWB........", "BWB..BWWB.......", "BB...BWWB.......",
        "B.....BWWB......",  "......BWWB......", ".......BB.......",
    };
    static const char *const mark[] = {
        "..BBBBBB..", ".BWWWWWWB.", "BWWBBBBWWB", "BWWB..BWWB", ".BB..BWWWB", "....BWWWB.",
        "...BWWWB..", "...BWWB...", "...BWWB...", "....BB....", "...BBBB...", "...BWWB...",
        "...BWWB...", "...BBBB...",
    };
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    auto plot = [&](const char *const *pattern, int count, int ox, int oy) {
        for (int y = 0; y < count; ++y)
            for (int x = 0; pattern[y][x]; ++x)
                if (pattern[y][x] != '.')
                    img.setPixel(ox + x, oy + y, pattern[y][x] == 'B' ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    };
    plot(rows, int(std::size(rows)), 0, 0);
    plot(mark, int(std::size(mark)), 13, 1);
    return img;
}

// ---- Tool bar pictures ----------------------------------------------------

QImage canvas()
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

void page(QPainter &p, int left, int top, int right, int bottom)
{
    const QPolygon shape{{left, top}, {right - 3, top}, {right, top + 3}, {right, bottom}, {left, bottom}};
    p.setPen(Outline);
    p.setBrush(Qt::white);
    p.drawPolygon(shape);
    p.setBrush(QColor(200, 200, 210));
    p.drawPolygon(QPolygon{{right - 3, top}, {right - 3, top + 3}, {right, top + 3}});
}

void textLines(QPainter &p, int left, int top, int right, int bottom)
{
    p.setPen(QColor(120, 130, 160));
    for (int y = top; y <= bottom; y += 2)
        p.drawLine(left, y, right, y);
}

void arrowBend(QPainter &p, bool back)
{
    p.setRenderHint(QPainter::Antialiasing);
    QTransform mirror;
    if (!back)
        mirror = QTransform(-1, 0, 0, 1, 16, 0);
    p.setTransform(mirror);
    QPainterPath bend;
    bend.moveTo(13, 13);
    bend.cubicTo(14, 6, 9, 4, 4, 6);
    p.setPen(QPen(QColor(30, 90, 170), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bend);
    p.setPen(QPen(Outline, 0.8));
    p.setBrush(QColor(60, 130, 210));
    p.drawPolygon(QPolygonF{{1, 6.5}, {6.5, 2}, {6.5, 11}});
}

void square(QPainter &p, QColor fill)
{
    p.setPen(Outline);
    p.setBrush(fill);
    p.drawRect(2, 2, 11, 11);
    p.setPen(fill.lighter(135));
    p.drawLine(3, 3, 12, 3);
    p.drawLine(3, 3, 3, 12);
    p.setPen(fill.darker(130));
    p.drawLine(4, 12, 12, 12);
    p.drawLine(12, 4, 12, 12);
}

void questionMark(QPainter &p, QRect box, int pixelSize, QColor colour)
{
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, "?");
}

QImage toolbarPicture(int index)
{
    QImage img = canvas();
    QPainter p(&img);
    switch (index) {
    case 0:  // new
        page(p, 3, 1, 12, 14);
        break;
    case 1: {  // open
        p.setPen(Outline);
        p.setBrush(QColor(214, 170, 60));
        p.drawPolygon(QPolygon{{1, 3}, {5, 3}, {6, 4}, {12, 4}, {12, 13}, {1, 13}});
        p.setBrush(QColor(250, 214, 100));
        p.drawPolygon(QPolygon{{3, 7}, {15, 7}, {12, 13}, {1, 13}});
        break;
    }
    case 2:  // save
        p.setPen(Outline);
        p.setBrush(QColor(50, 70, 150));
        p.drawPolygon(QPolygon{{1, 1}, {13, 1}, {14, 2}, {14, 14}, {1, 14}});
        p.setBrush(QColor(200, 204, 212));
        p.drawRect(4, 1, 7, 5);
        p.fillRect(8, 2, 2, 3, QColor(50, 70, 150));
        p.setBrush(Qt::white);
        p.drawRect(3, 8, 9, 6);
        textLines(p, 5, 10, 10, 12);
        break;
    case 3:
    case 4:
        arrowBend(p, index == 3);
        break;
    case 5: {  // cut
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(150, 156, 170), 1.6));
        p.drawLine(QPointF(5.5, 10), QPointF(11, 1));
        p.drawLine(QPointF(10.5, 10), QPointF(5, 1));
        p.setPen(QPen(Outline, 0.7));
        p.drawLine(QPointF(5.5, 10), QPointF(11, 1));
        p.setPen(QPen(QColor(190, 30, 30), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12.5), 2.4, 2.4);
        p.drawEllipse(QPointF(11.5, 12.5), 2.4, 2.4);
        p.setPen(QPen(Outline, 1));
        p.drawPoint(QPointF(8, 7.5));
        break;
    }
    case 6:  // copy
        page(p, 1, 1, 9, 10);
        textLines(p, 3, 4, 7, 8);
        page(p, 6, 5, 14, 14);
        textLines(p, 8, 8, 12, 12);
        break;
    case 7:  // paste
        p.setPen(Outline);
        p.setBrush(QColor(160, 110, 60));
        p.drawRect(2, 2, 11, 13);
        p.setBrush(Qt::white);
        p.drawRect(4, 4, 7, 9);
        textLines(p, 5, 6, 10, 12);
        p.setBrush(QColor(190, 194, 204));
        p.drawRect(5, 0, 5, 3);
        break;
    case 8:
        square(p, QColor(70, 150, 56));
        break;
    case 9:
        square(p, QColor(222, 196, 132));
        break;
    case 10:
        square(p, QColor(40, 100, 190));
        p.setPen(QColor(170, 210, 250));
        p.drawPolyline(QPolygon{{4, 6}, {5, 5}, {7, 5}, {8, 6}, {9, 6}, {10, 5}});
        p.drawPolyline(QPolygon{{5, 10}, {6, 9}, {8, 9}, {9, 10}, {10, 10}, {11, 9}});
        break;
    case 11: {  // landscape box
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Outline, 0.9));
        p.setBrush(QColor(250, 210, 40));
        p.drawPolygon(QPolygonF{{8, 0.5}, {9.6, 6.4}, {15.5, 8}, {9.6, 9.6}, {8, 15.5}, {6.4, 9.6}, {0.5, 8}, {6.4, 6.4}});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 200));
        p.drawEllipse(QPointF(7.2, 7.2), 1.2, 1.2);
        break;
    }
    case 12: {  // script editor
        page(p, 1, 1, 11, 14);
        textLines(p, 3, 5, 8, 12);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Outline, 3.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(14.5, 2.5), QPointF(7.5, 9.5));
        p.setPen(QPen(QColor(250, 200, 50), 2.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(14.2, 2.8), QPointF(8, 9));
        p.setPen(QPen(Outline, 1.2));
        p.drawLine(QPointF(7.8, 9.2), QPointF(6.2, 10.8));
        break;
    }
    case 13: {  // help topics
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(90, 60, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.5, 10.5), QPointF(14, 14));
        p.setPen(QPen(Outline, 1.4));
        p.setBrush(QColor(220, 236, 255));
        p.drawEllipse(QPointF(6.5, 6.5), 5, 5);
        p.setRenderHint(QPainter::Antialiasing, false);
        questionMark(p, QRect(2, 2, 10, 10), 9, QColor(20, 60, 170));
        break;
    }
    case 14: {  // context help
        static const char *const arrow[] = {"B.....", "BB....", "BWB...", "BWWB..", "BWWWB.", "BWWWWB",
                                            "BWWBBB", "BWB...", "BB....", "B....."};
        for (int y = 0; y < 10; ++y)
            for (int x = 0; arrow[y][x]; ++x)
                if (arrow[y][x] != '.')
                    img.setPixel(x + 1, y + 1, arrow[y][x] == 'B' ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        questionMark(p, QRect(6, 2, 10, 14), 13, QColor(20, 60, 170));
        break;
    }
    case 15: {  // brush
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Outline, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 1.5), QPointF(8, 7.5));
        p.setPen(QPen(QColor(170, 110, 50), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 1.5), QPointF(8, 7.5));
        p.setPen(QPen(Outline, 0.8));
        p.setBrush(QColor(190, 194, 204));
        p.drawPolygon(QPolygonF{{6.5, 6.5}, {9.5, 9.5}, {8, 11}, {5, 8}});
        p.setBrush(QColor(40, 100, 190));
        p.drawPolygon(QPolygonF{{5, 8}, {8, 11}, {5.5, 14}, {1.5, 14.5}, {2, 10.5}});
        break;
    }
    case 16: {  // fill: a tipped pail pouring water
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Outline, 0.9));
        p.setBrush(QColor(200, 204, 212));
        p.translate(9.5, 7);
        p.rotate(40);
        p.drawPolygon(QPolygonF{{-5, -4}, {5, -4}, {4, 5}, {-4, 5}});
        p.setBrush(QColor(40, 100, 190));
        p.drawEllipse(QPointF(0, -4), 5, 1.6);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-5, -9, 10, 9), 0, 180 * 16);
        p.resetTransform();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 100, 190));
        p.drawPolygon(QPolygonF{{3, 5}, {5, 8}, {4.5, 11}, {2.5, 14.5}, {0.5, 12}, {1.5, 8}});
        break;
    }
    case 17:  // rectangle
        p.setPen(Outline);
        p.setBrush(QColor(70, 150, 56));
        p.drawRect(1, 3, 13, 10);
        p.setPen(QColor(120, 190, 96));
        p.drawLine(2, 4, 13, 4);
        p.drawLine(2, 4, 2, 12);
        break;
    case 18: {  // selection: a dashed frame
        QPen pen(Outline, 1);
        pen.setDashPattern({2, 2});
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(1, 3, 13, 10);
        break;
    }
    case 19: {  // edge brush: water meets meadow with a beach between
        p.fillRect(1, 1, 13, 13, QColor(70, 150, 56));
        p.setClipRect(2, 2, 12, 12);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath ufer;
        ufer.moveTo(1, 8);
        ufer.cubicTo(5, 8, 8, 5, 8, 1);
        QPainterPath wasser = ufer;
        wasser.lineTo(14, 1);
        wasser.lineTo(14, 14);
        wasser.lineTo(1, 14);
        wasser.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 100, 190));
        p.drawPath(wasser);
        p.setPen(QPen(QColor(222, 196, 132), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(ufer);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setClipping(false);
        p.setPen(Outline);
        p.drawRect(1, 1, 13, 13);
        break;
    }
    case 20: {  // pipette: a dropper held at a slant, a drop of green at its tip
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(8, 8);
        p.rotate(45);
        p.setPen(QPen(Outline, 1));
        p.setBrush(QColor(60, 60, 70));
        p.drawRoundedRect(QRectF(-2.5, -8, 5, 4), 1.5, 1.5);
        p.setBrush(QColor(200, 204, 212));
        p.drawRect(QRectF(-1.5, -4, 3, 8));
        p.drawPolygon(QPolygonF{{-1.5, 4}, {1.5, 4}, {0.4, 7}, {-0.4, 7}});
        p.resetTransform();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 150, 56));
        p.drawEllipse(QPointF(3, 13), 2, 2);
        break;
    }
    case 21: {  // random variants: a die showing five, pixel-sharp, its pips in meadow green
        p.fillRect(2, 2, 12, 12, Qt::white);
        p.setPen(Outline);
        // The outline without its corner pixels, which move one step inwards.
        p.drawLine(2, 1, 13, 1);
        p.drawLine(2, 14, 13, 14);
        p.drawLine(1, 2, 1, 13);
        p.drawLine(14, 2, 14, 13);
        p.drawPoints(QPolygon{{2, 2}, {13, 2}, {2, 13}, {13, 13}});
        for (const QPoint auge : {QPoint(4, 4), QPoint(10, 4), QPoint(7, 7), QPoint(4, 10), QPoint(10, 10)})
            p.fillRect(QRect(auge, QSize(2, 2)), QColor(50, 120, 40));
        break;
    }
    }
    return img;
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
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const char *folder : {"icons", "cursor", "toolbar"})
        if (!QDir(root).mkpath(folder))
            return 1;

    bool ok = true;
    for (int frame = 0; frame < 4; ++frame)
        ok = ok && art::save(globe(32, frame), QString("%1/icons/ICON%2.png").arg(root).arg(frame + 1), "PNG");
    for (int size : {16, 32, 48, 256})
        ok = ok && art::save(globe(size, 0), QString("%1/icons/zendaro-%2.png").arg(root).arg(size), "PNG");
    ok = ok && art::save(helpCursor(), root + "/cursor/HELP_CURSORI.png", "PNG");
    for (int i = 0; i <= 21; ++i)
        ok = ok && art::save(toolbarPicture(i), QString("%1/toolbar/%2.png").arg(root).arg(i, 2, 10, QChar('0')), "PNG");
    return ok ? 0 : 1;
}
