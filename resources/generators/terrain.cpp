#include "terrain.h"

#include "noise.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>

namespace art {
namespace {

constexpr double Pi = 3.14159265358979323846;

struct Rgb
{
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

QRgb toRgb(Rgb c)
{
    auto ch = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
    return qRgb(ch(c.r), ch(c.g), ch(c.b));
}

double smooth(double e0, double e1, double v)
{
    const double t = std::clamp((v - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// ---- Grounds ---------------------------------------------------------------

Rgb grass(int x, int y)
{
    // Gentle large-scale shading (a strong one shows the 40-pixel repeat
    // across a whole map) under lively blades of grass.
    const double n = tiledFbm(x, y, 1);
    Rgb c = mix({64, 122, 42}, {90, 148, 54}, n);
    const double g = grain(x, y, 2);
    if (g > 0.88)
        c = mix(c, {136, 184, 80}, 0.55);
    else if (g > 0.76)
        c = mix(c, {110, 166, 66}, 0.4);
    else if (g < 0.12)
        c = mix(c, {38, 84, 28}, 0.55);
    return c;
}

Rgb sand(int x, int y)
{
    const double n = tiledFbm(x, y, 3);
    Rgb c = mix({212, 182, 120}, {232, 206, 146}, n);
    const double ripple = std::sin(2 * Pi * (2 * x + 5 * y) / 40.0 + 5 * tiledNoise(x, y, 10, 4));
    c = mix(c, ripple > 0 ? Rgb{244, 224, 170} : Rgb{190, 156, 98}, std::abs(ripple) * 0.18);
    const double g = grain(x, y, 5);
    if (g > 0.93)
        c = mix(c, {250, 236, 196}, 0.5);
    else if (g < 0.07)
        c = mix(c, {168, 134, 84}, 0.5);
    return c;
}

Rgb water(int x, int y)
{
    const double n = tiledFbm(x, y, 6);
    Rgb c = mix({30, 78, 150}, {52, 112, 182}, smooth(0.25, 0.75, n));
    // Short crests along gently tilted wave fronts.
    const double wave = std::sin(2 * Pi * (x + 4 * y) / 40.0 + 5 * tiledNoise(x, y, 10, 7));
    const double crest = smooth(0.45, 0.7, tiledNoise(x, y, 10, 18));
    if (wave > 0.8)
        c = mix(c, {112, 168, 220}, (wave - 0.8) / 0.2 * 0.75 * crest);
    else if (wave < -0.85)
        c = mix(c, {24, 66, 132}, 0.35);
    return c;
}

// ---- Borders ---------------------------------------------------------------

enum class Side { Top, Bottom, Left, Right };
enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };

using Wobble = double (*)(double);

// Both wobbles vanish at 0 and 40: borders always cross tile edges at 20.
double coastWobble(double u)
{
    return 2.2 * std::sin(2 * Pi * u / 40) - 0.7 * std::sin(6 * Pi * u / 40);
}

double sandWobble(double u)
{
    return -2.2 * std::sin(2 * Pi * u / 40) + 1.6 * std::sin(4 * Pi * u / 40);
}

// Distance into one half of the tile from the wobbly middle line (pixel centre).
double sideDistance(Side side, int px, int py, Wobble w)
{
    const double x = px + 0.5, y = py + 0.5;
    switch (side) {
    case Side::Top: return 20 + w(x) - y;
    case Side::Bottom: return y - 20 - w(x);
    case Side::Left: return 20 + w(y) - x;
    case Side::Right: return x - 20 - w(y);
    }
    return 0;
}

// Distance into a rounded quarter at a corner; equals sideDistance away from
// the rounding, so corner pieces continue the edge pieces.
double cornerDistance(Corner corner, int px, int py, Wobble w)
{
    constexpr double R = 10;
    const bool left = corner == Corner::TopLeft || corner == Corner::BottomLeft;
    const bool top = corner == Corner::TopLeft || corner == Corner::TopRight;
    const double a = sideDistance(left ? Side::Left : Side::Right, px, py, w);
    const double b = sideDistance(top ? Side::Top : Side::Bottom, px, py, w);
    return R - std::hypot(std::max(R - a, 0.0), std::max(R - b, 0.0));
}

// Distance into an irregular round blob in the middle of the tile.
double blobDistance(int px, int py, double radius, int seed)
{
    const double x = px + 0.5 - 20, y = py + 0.5 - 20;
    const double angle = std::atan2(y, x);
    const double r = radius + 1.6 * std::sin(3 * angle + seed) + 1.1 * std::sin(5 * angle + 2 * seed);
    return r - std::hypot(x * 1.05, y);
}

// Meadow and water either side of a coast; `w` is the distance into the water.
Rgb coast(int x, int y, double w)
{
    const double jitter = (tiledNoise(x, y, 5, 8) - 0.5) * 1.6;
    if (w > 0) {
        Rgb c = mix(water(x, y), {64, 150, 176}, std::exp(-w / 3.5) * 0.85);
        return mix(c, {214, 234, 238}, smooth(1.6, 0.2, w + jitter * 0.5) * 0.8);
    }
    const double d = -w;
    const Rgb beach = mix({196, 176, 120}, sand(x, y), smooth(0, 2.5, d));
    return mix(beach, grass(x, y), smooth(2.8, 4.2, d + jitter));
}

// Sand and meadow either side of a border; `s` is the distance into the sand.
Rgb sandBorder(int x, int y, double s)
{
    const double t = s + (tiledFbm(x, y, 9) - 0.5) * 5.0;
    const Rgb dryGrass = mix(grass(x, y), {150, 150, 72}, smooth(-3.5, 0, t) * 0.6);
    return mix(dryGrass, sand(x, y), smooth(-0.8, 0.8, t));
}

QImage fill(const std::function<Rgb(int, int)> &ground)
{
    QImage img(TileSize, TileSize, QImage::Format_RGB32);
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x)
            img.setPixel(x, y, toRgb(ground(x, y)));
    return img;
}

// ---- Objects ---------------------------------------------------------------

// Soft shadow cast to the lower right, as with light from the upper left.
void shadow(QPainter &p, QPointF c, double rx, double ry, double strength = 0.35)
{
    QRadialGradient g(c + QPointF(2.5, 2.5), std::max(rx, ry) * 1.1);
    g.setColorAt(0, QColor(0, 20, 0, int(255 * strength)));
    g.setColorAt(0.75, QColor(0, 20, 0, int(200 * strength)));
    g.setColorAt(1, QColor(0, 20, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c + QPointF(2.5, 2.5), rx * 1.1, ry * 1.1);
}

void ball(QPainter &p, QPointF c, double r, QColor dark, QColor mid, QColor light)
{
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.45), r * 1.5);
    g.setColorAt(0, light);
    g.setColorAt(0.45, mid);
    g.setColorAt(1, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void stone(QPainter &p, QPointF c, double rx, double ry, QColor base)
{
    shadow(p, c, rx, ry, 0.3);
    QRadialGradient g(c - QPointF(rx * 0.35, ry * 0.45), std::max(rx, ry) * 1.4);
    g.setColorAt(0, base.lighter(150));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(170));
    p.setBrush(g);
    p.setPen(QPen(base.darker(230), 0.6));
    p.drawEllipse(c, rx, ry);
}

void stones(QPainter &p, int seed, int count, QColor base)
{
    for (int i = 0; i < count; ++i) {
        const QPointF c(6 + hashUnit(i, 1, seed) * 28, 6 + hashUnit(i, 2, seed) * 28);
        const double r = 1.4 + hashUnit(i, 3, seed) * 1.8;
        stone(p, c, r * 1.2, r, base);
    }
}

void rock(QPainter &p, QPointF c, double size, QColor base)
{
    shadow(p, c + QPointF(1, 1), size * 1.05, size * 0.8, 0.45);
    QPainterPath outline;
    const int corners = 9;
    for (int i = 0; i < corners; ++i) {
        const double a = 2 * Pi * i / corners;
        const double r = size * (0.78 + 0.22 * hashUnit(i, 0, 77));
        const QPointF pt = c + QPointF(std::cos(a) * r * 1.15, std::sin(a) * r * 0.85);
        i ? outline.lineTo(pt) : outline.moveTo(pt);
    }
    outline.closeSubpath();
    QLinearGradient g(c - QPointF(size, size), c + QPointF(size, size));
    g.setColorAt(0, base.lighter(145));
    g.setColorAt(0.55, base);
    g.setColorAt(1, base.darker(190));
    p.setBrush(g);
    p.setPen(QPen(base.darker(260), 0.8));
    p.drawPath(outline);
    // Facet lines and a crack give it a rocky look.
    p.setPen(QPen(base.darker(180), 0.8));
    p.drawLine(c + QPointF(-size * 0.5, -size * 0.1), c + QPointF(size * 0.1, size * 0.15));
    p.drawLine(c + QPointF(size * 0.1, size * 0.15), c + QPointF(size * 0.55, -size * 0.3));
    p.drawLine(c + QPointF(size * 0.1, size * 0.15), c + QPointF(size * 0.2, size * 0.6));
    p.setPen(QPen(base.lighter(160), 0.8));
    p.drawLine(c + QPointF(-size * 0.7, -size * 0.3), c + QPointF(-size * 0.2, -size * 0.55));
}

void flowers(QPainter &p)
{
    const QColor colours[] = {QColor(255, 255, 240), QColor(250, 220, 40), QColor(230, 60, 60),
                              QColor(150, 110, 230), QColor(255, 160, 200)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 22; ++i) {
        const QPointF c(4 + hashUnit(i, 1, 11) * 32, 4 + hashUnit(i, 2, 11) * 32);
        const QColor col = colours[hash(i, 3, 11) % 5];
        p.setBrush(col.darker(160));
        p.drawEllipse(c + QPointF(0.5, 0.5), 1.3, 1.3);
        p.setBrush(col);
        p.drawEllipse(c, 1.2, 1.2);
        p.setBrush(QColor(255, 230, 80));
        p.drawEllipse(c, 0.45, 0.45);
    }
}

void trunk(QPainter &p, QPointF base, double height, double width)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 64, 34));
    p.drawRect(QRectF(base.x() - width / 2, base.y() - height, width, height));
    p.setBrush(QColor(130, 92, 52));
    p.drawRect(QRectF(base.x() - width / 2, base.y() - height, width / 3, height));
}

// A lumpy canopy: several balls of foliage, shaded from the upper left.
void canopy(QPainter &p, QPointF c, double r, int seed, QColor dark, QColor mid, QColor light)
{
    shadow(p, c + QPointF(1, 2), r * 1.05, r * 0.9, 0.5);
    ball(p, c, r * 0.85, dark, mid, light);
    for (int i = 0; i < 7; ++i) {
        const double a = 2 * Pi * (i + hashUnit(i, 0, seed) * 0.5) / 7;
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * r * 0.5;
        ball(p, q, r * (0.42 + 0.1 * hashUnit(i, 1, seed)), dark, mid, light);
    }
    ball(p, c - QPointF(r * 0.15, r * 0.2), r * 0.45, dark, mid, light);
}

void street(QImage &img)
{
    // Cobbles: cells of a jittered 8-pixel lattice that wraps at the tile
    // edge, so streets join in every direction.
    constexpr int Cells = TileSize / 8;
    auto centre = [](int cx, int cy) {
        const int wx = (cx % Cells + Cells) % Cells, wy = (cy % Cells + Cells) % Cells;
        return QPointF(cx * 8 + 4 + (hashUnit(wx, wy, 23) - 0.5) * 4, cy * 8 + 4 + (hashUnit(wx, wy, 24) - 0.5) * 4);
    };
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            double d1 = 1e9, d2 = 1e9;
            int owner = 0;
            QPointF ownerCentre;
            for (int cy = y / 8 - 1; cy <= y / 8 + 1; ++cy)
                for (int cx = x / 8 - 1; cx <= x / 8 + 1; ++cx) {
                    const QPointF c = centre(cx, cy);
                    const double d = std::hypot(p.x() - c.x(), p.y() - c.y());
                    if (d < d1) {
                        d2 = d1;
                        d1 = d;
                        owner = ((cx % Cells + Cells) % Cells) * Cells + (cy % Cells + Cells) % Cells;
                        ownerCentre = c;
                    } else if (d < d2) {
                        d2 = d;
                    }
                }
            const double edge = d2 - d1;
            Rgb c = mix({120, 112, 100}, {168, 158, 140}, hashUnit(owner, 0, 21));
            // Light from the upper left rounds each cobble.
            const double lit = ((ownerCentre.x() - p.x()) + (ownerCentre.y() - p.y())) / 8.0;
            c = mix(c, lit > 0 ? Rgb{214, 206, 190} : Rgb{78, 72, 62}, std::min(std::abs(lit), 1.0) * 0.45);
            c = mix(c, {96, 90, 80}, (grain(x, y, 22) - 0.5) * 0.4);
            c = mix(c, {70, 62, 52}, smooth(1.6, 0.4, edge));
            img.setPixel(x, y, toRgb(c));
        }
    }
}

// ---- The tiles -------------------------------------------------------------

QImage meadowWith(const std::function<void(QPainter &)> &draw)
{
    QImage img = fill(grass);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return img;
}

QImage sandWith(const std::function<void(QPainter &)> &draw)
{
    QImage img = fill(sand);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return img;
}

QImage shore(Side water)
{
    return fill([=](int x, int y) { return coast(x, y, sideDistance(water, x, y, coastWobble)); });
}

QImage landCorner(Corner land)
{
    return fill([=](int x, int y) { return coast(x, y, -cornerDistance(land, x, y, coastWobble)); });
}

QImage seaCorner(Corner sea)
{
    return fill([=](int x, int y) { return coast(x, y, cornerDistance(sea, x, y, coastWobble)); });
}

QImage sandSide(Side sandSide)
{
    return fill([=](int x, int y) { return sandBorder(x, y, sideDistance(sandSide, x, y, sandWobble)); });
}

QImage sandCorner(Corner c)
{
    return fill([=](int x, int y) { return sandBorder(x, y, cornerDistance(c, x, y, sandWobble)); });
}

QImage grassCorner(Corner c)
{
    return fill([=](int x, int y) { return sandBorder(x, y, -cornerDistance(c, x, y, sandWobble)); });
}

// How strongly a marking in the middle of a tile shows; fades out towards
// the edges so the tile still meets plain ground without a seam.
double middleWeight(int x, int y)
{
    const double r = std::hypot(x + 0.5 - 20, y + 0.5 - 20) + (tiledNoise(x, y, 5, 17) - 0.5) * 8;
    return smooth(18, 10, r);
}

QImage lake()
{
    QImage img = fill([](int x, int y) { return coast(x, y, blobDistance(x, y, 12.5, 1)); });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Reeds on the banks.
    p.setPen(QPen(QColor(70, 110, 40), 0.9));
    const QPointF reeds[] = {{8.5, 14}, {9.5, 13}, {31, 27}, {32, 26}, {30.5, 28.5}, {11, 29}};
    for (const QPointF &r : reeds) {
        p.drawLine(r, r + QPointF(-0.6, -3.2));
        p.setPen(QPen(QColor(110, 70, 30), 1.2));
        p.drawPoint(r + QPointF(-0.6, -3.4));
        p.setPen(QPen(QColor(70, 110, 40), 0.9));
    }
    return img;
}

QImage island()
{
    QImage img = fill([](int x, int y) { return coast(x, y, -blobDistance(x, y, 11.5, 2)); });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A palm tree in the middle.
    p.setPen(QPen(QColor(110, 76, 40), 1.6));
    p.drawLine(QPointF(21, 26), QPointF(19, 18));
    shadow(p, QPointF(20, 19), 6, 5, 0.4);
    p.setPen(QPen(QColor(40, 110, 36), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double a = 2 * Pi * i / 6 + 0.3;
        p.drawLine(QPointF(19, 18), QPointF(19 + std::cos(a) * 6.5, 18 + std::sin(a) * 5.5));
    }
    p.setPen(QPen(QColor(90, 160, 60), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double a = 2 * Pi * i / 6 + 0.3;
        p.drawLine(QPointF(19, 18), QPointF(19 + std::cos(a) * 5, 18 + std::sin(a) * 4));
    }
    return img;
}

QImage soiledMeadow()
{
    QImage img = fill([](int x, int y) {
        const double mud = tiledFbm(x * 1.0, y * 1.0, 12) * middleWeight(x, y);
        Rgb c = grass(x, y);
        c = mix(c, {112, 96, 56}, smooth(0.25, 0.42, mud) * 0.8);
        c = mix(c, {82, 62, 38}, smooth(0.42, 0.55, mud) * 0.9);
        if (grain(x, y, 13) < 0.12 * middleWeight(x, y))
            c = mix(c, {60, 48, 30}, 0.7);
        return c;
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Litter: a few pale scraps and a dark puddle.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 64, 50));
    p.drawEllipse(QPointF(22, 23), 4.5, 2.6);
    p.setBrush(QColor(110, 120, 120));
    p.drawEllipse(QPointF(21, 22.4), 1.8, 0.8);
    p.setBrush(QColor(220, 214, 190));
    p.drawRect(QRectF(12, 14, 2.5, 1.5));
    p.drawRect(QRectF(27, 15, 1.5, 2.5));
    p.setBrush(QColor(170, 60, 40));
    p.drawRect(QRectF(15, 27, 2, 1.5));
    return img;
}

QImage bleakSand()
{
    QImage img = fill([](int x, int y) {
        Rgb c = sand(x, y);
        return mix(c, mix({176, 156, 120}, {150, 132, 102}, tiledFbm(x, y, 14)), middleWeight(x, y) * 0.85);
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Dried cracks and a dead shrub.
    p.setPen(QPen(QColor(110, 92, 66), 0.8));
    const QPointF crack[] = {{8, 12}, {13, 15}, {16, 13}, {21, 17}, {25, 16}, {29, 20}, {32, 19}};
    for (int i = 0; i + 1 < 7; ++i)
        p.drawLine(crack[i], crack[i + 1]);
    p.drawLine(QPointF(16, 13), QPointF(17, 9));
    p.drawLine(QPointF(21, 17), QPointF(20, 22));
    p.drawLine(QPointF(20, 22), QPointF(14, 27));
    p.drawLine(QPointF(20, 22), QPointF(24, 30));
    shadow(p, QPointF(27, 28), 4, 3, 0.25);
    p.setPen(QPen(QColor(92, 72, 48), 0.9, Qt::SolidLine, Qt::RoundCap));
    const QPointF root(26, 29);
    for (int i = 0; i < 7; ++i) {
        const double a = -Pi / 2 + (i - 3) * 0.42;
        const QPointF tip = root + QPointF(std::cos(a), std::sin(a)) * (4.5 + hashUnit(i, 0, 15) * 2);
        p.drawLine(root, tip);
        p.drawLine(tip, tip + QPointF(std::cos(a + 0.7), std::sin(a + 0.7)) * 1.8);
    }
    stone(p, QPointF(10, 29), 1.6, 1.2, QColor(150, 140, 124));
    return img;
}

QImage scrapedSand()
{
    QImage img = fill([](int x, int y) {
        Rgb c = sand(x, y);
        const double w = middleWeight(x, y);
        c = mix(c, {168, 138, 96}, w * 0.7);
        // Scrape marks: parallel furrows running diagonally.
        const double furrow = std::sin((x * 0.8 + y * 0.35) * 1.9 + tiledNoise(x, y, 10, 16) * 3);
        c = mix(c, furrow > 0 ? Rgb{196, 168, 124} : Rgb{126, 100, 68}, std::abs(furrow) * 0.55 * w);
        return c;
    });
    return img;
}

QImage cactus()
{
    return sandWith([](QPainter &p) {
        shadow(p, QPointF(23, 30), 9, 2.5, 0.45);
        const QColor dark(34, 94, 44), mid(58, 138, 62), light(110, 184, 96);
        auto limb = [&](QRectF r) {
            QLinearGradient g(r.topLeft(), r.topRight());
            g.setColorAt(0, light);
            g.setColorAt(0.4, mid);
            g.setColorAt(1, dark);
            p.setBrush(g);
            p.setPen(QPen(QColor(24, 64, 30), 0.8));
            p.drawRoundedRect(r, r.width() / 2, r.width() / 2);
        };
        limb(QRectF(10.5, 14, 5, 11));   // left arm, upright part
        limb(QRectF(24.5, 10, 5, 10));   // right arm, upright part
        limb(QRectF(11, 21.5, 8, 4.5));  // left arm, elbow
        limb(QRectF(21, 17.5, 8, 4.5));  // right arm, elbow
        limb(QRectF(16.5, 6, 7, 25));    // stem
        p.setPen(QPen(QColor(30, 80, 36), 0.6));
        p.drawLine(QPointF(20, 8), QPointF(20, 30));
        p.setPen(QPen(QColor(240, 240, 210), 0.7));
        for (int i = 0; i < 6; ++i)
            p.drawPoint(QPointF(18 + (i % 2) * 4, 10 + i * 3.4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 90, 120));
        p.drawEllipse(QPointF(20, 6.2), 1.6, 1.2);
    });
}

} // namespace

QImage paintTile(int image)
{
    switch (image) {
    case 0:
        return fill(grass);
    case 1:
        return meadowWith(flowers);
    case 2:  // large tree
        return meadowWith([](QPainter &p) {
            trunk(p, QPointF(21, 33), 8, 3);
            canopy(p, QPointF(20, 18), 14, 31, QColor(20, 70, 24), QColor(40, 118, 40), QColor(104, 176, 70));
        });
    case 3:  // bushes
        return meadowWith([](QPainter &p) {
            const QPointF spots[] = {{12, 13}, {27, 15}, {18, 27}, {30, 29}};
            const double sizes[] = {6.5, 5.5, 7, 4.5};
            for (int i = 0; i < 4; ++i)
                canopy(p, spots[i], sizes[i], 40 + i, QColor(28, 82, 28), QColor(52, 130, 46), QColor(120, 186, 84));
        });
    case 4:  // fruit tree
        return meadowWith([](QPainter &p) {
            trunk(p, QPointF(20.5, 33), 9, 2.6);
            canopy(p, QPointF(20, 18), 10.5, 50, QColor(34, 90, 30), QColor(66, 146, 52), QColor(140, 200, 90));
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 9; ++i) {
                const double a = 2 * Pi * i / 9 + 0.4;
                const double r = 3 + (i % 3) * 2.4;
                const QPointF c(20 + std::cos(a) * r, 18 + std::sin(a) * r);
                p.setBrush(QColor(150, 20, 20));
                p.drawEllipse(c + QPointF(0.3, 0.3), 1.3, 1.3);
                p.setBrush(QColor(226, 44, 36));
                p.drawEllipse(c, 1.1, 1.1);
            }
        });
    case 5:  // thicket
        return meadowWith([](QPainter &p) {
            for (int i = 0; i < 16; ++i) {
                const double a = 2 * Pi * hashUnit(i, 0, 60);
                const double r = 11 * std::sqrt(hashUnit(i, 1, 60));
                const QPointF c(20 + std::cos(a) * r, 20 + std::sin(a) * r * 0.9);
                canopy(p, c, 4.5 + hashUnit(i, 2, 60) * 2.5, 61 + i, QColor(18, 58, 22), QColor(36, 96, 34), QColor(84, 150, 62));
            }
        });
    case 6:
        return meadowWith([](QPainter &p) { stones(p, 70, 8, QColor(150, 148, 140)); });
    case 7:
        return lake();
    case 8:
        return fill(water);
    case 9: return shore(Side::Bottom);   // Ufer oben, Meer unten
    case 10: return shore(Side::Top);     // Ufer unten, Meer oben
    case 11: return shore(Side::Right);   // Ufer links, Meer rechts
    case 12: return shore(Side::Left);    // Ufer rechts, Meer links
    case 13: return landCorner(Corner::TopLeft);
    case 14: return landCorner(Corner::TopRight);
    case 15: return landCorner(Corner::BottomLeft);
    case 16: return landCorner(Corner::BottomRight);
    case 17: return seaCorner(Corner::BottomRight);
    case 18: return seaCorner(Corner::BottomLeft);
    case 19: return seaCorner(Corner::TopRight);
    case 20: return seaCorner(Corner::TopLeft);
    case 21: return island();
    case 22: return fill(sand);
    case 23: return bleakSand();
    case 24: return cactus();
    case 25: return scrapedSand();
    case 26:
        return sandWith([](QPainter &p) { stones(p, 80, 8, QColor(170, 150, 126)); });
    case 27:
        return sandWith([](QPainter &p) {
            rock(p, QPointF(20, 19), 11, QColor(160, 134, 104));
            stone(p, QPointF(8, 31), 2, 1.5, QColor(170, 150, 126));
        });
    case 28: return sandSide(Side::Top);
    case 29: return sandSide(Side::Bottom);
    case 30: return sandSide(Side::Left);
    case 31: return sandSide(Side::Right);
    case 32: return sandCorner(Corner::TopLeft);
    case 33: return sandCorner(Corner::TopRight);
    case 34: return sandCorner(Corner::BottomLeft);
    case 35: return sandCorner(Corner::BottomRight);
    case 36: return grassCorner(Corner::TopLeft);
    case 37: return grassCorner(Corner::TopRight);
    case 38: return grassCorner(Corner::BottomLeft);
    case 39: return grassCorner(Corner::BottomRight);
    case 40:
        return meadowWith([](QPainter &p) {
            rock(p, QPointF(20, 19), 11, QColor(132, 130, 124));
            stone(p, QPointF(33, 31), 1.8, 1.4, QColor(150, 148, 140));
        });
    case 41:
    case 42: {
        QImage img(TileSize, TileSize, QImage::Format_RGB32);
        street(img);
        return img;
    }
    case 43:
        return soiledMeadow();
    }
    return fill(grass);
}

} // namespace art
