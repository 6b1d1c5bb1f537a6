#include "quantize.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace art {
namespace {

struct Weighted
{
    double r, g, b;
    double weight;
};

double distance2(double r1, double g1, double b1, double r2, double g2, double b2)
{
    // Green weighs most for the eye; keeps grass gradations apart.
    const double dr = r1 - r2, dg = g1 - g2, db = b1 - b2;
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

int nearest(const QList<QRgb> &palette, QRgb c)
{
    int best = 0;
    double bestD = std::numeric_limits<double>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const double d = distance2(qRed(c), qGreen(c), qBlue(c), qRed(palette[i]), qGreen(palette[i]),
                                   qBlue(palette[i]));
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QList<QRgb> fitPalette(const QList<QImage> &images, int count, const QList<QRgb> &fixed)
{
    QHash<QRgb, int> histogram;
    for (const QImage &image : images) {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                ++histogram[rgb.pixel(x, y) | 0xff000000u];
    }
    // Sorted so that the result does not depend on the hash order.
    QList<QRgb> keys = histogram.keys();
    std::sort(keys.begin(), keys.end());
    QList<Weighted> colours;
    for (QRgb k : keys)
        colours.append({double(qRed(k)), double(qGreen(k)), double(qBlue(k)), double(histogram[k])});

    const int free = count - int(fixed.size());
    if (colours.size() <= free) {
        QList<QRgb> palette = fixed;
        palette.append(keys);
        return palette;
    }

    // Farthest-point start, which keeps small bright details (fruit,
    // flowers) their own colours, then weighted Lloyd iterations.
    QList<Weighted> centres;
    centres.append(*std::max_element(colours.begin(), colours.end(),
                                     [](const Weighted &a, const Weighted &b) { return a.weight < b.weight; }));
    QList<double> gap(colours.size(), std::numeric_limits<double>::max());
    while (centres.size() < free) {
        const Weighted &last = centres.last();
        int far = 0;
        for (int i = 0; i < colours.size(); ++i) {
            gap[i] = std::min(gap[i], distance2(colours[i].r, colours[i].g, colours[i].b, last.r, last.g, last.b));
            if (gap[i] > gap[far])
                far = i;
        }
        centres.append(colours[far]);
    }
    QList<int> owner(colours.size());
    for (int round = 0; round < 16; ++round) {
        for (int i = 0; i < colours.size(); ++i) {
            double best = std::numeric_limits<double>::max();
            for (int c = 0; c < centres.size(); ++c) {
                const double d = distance2(colours[i].r, colours[i].g, colours[i].b, centres[c].r, centres[c].g,
                                           centres[c].b);
                if (d < best) {
                    best = d;
                    owner[i] = c;
                }
            }
        }
        QList<Weighted> sums(centres.size(), Weighted{0, 0, 0, 0});
        for (int i = 0; i < colours.size(); ++i) {
            Weighted &s = sums[owner[i]];
            s.r += colours[i].r * colours[i].weight;
            s.g += colours[i].g * colours[i].weight;
            s.b += colours[i].b * colours[i].weight;
            s.weight += colours[i].weight;
        }
        for (int c = 0; c < centres.size(); ++c)
            if (sums[c].weight > 0)
                centres[c] = {sums[c].r / sums[c].weight, sums[c].g / sums[c].weight, sums[c].b / sums[c].weight,
                              sums[c].weight};
    }
    QList<QRgb> palette = fixed;
    for (const Weighted &c : centres)
        palette.append(qRgb(int(c.r + 0.5), int(c.g + 0.5), int(c.b + 0.5)));
    return palette;
}

QImage toIndexed(const QImage &image, const QList<QRgb> &palette)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    QHash<QRgb, int> cache;
    for (int y = 0; y < rgb.height(); ++y) {
        uchar *line = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            auto it = cache.find(c);
            if (it == cache.end())
                it = cache.insert(c, nearest(palette, c));
            line[x] = uchar(*it);
        }
    }
    return out;
}

} // namespace art
