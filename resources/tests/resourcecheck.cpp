// Checks the shipped art and sounds as the program will see them: every
// resource alias loads with the right size, the wave clips have the expected
// format and length, and the tile sheets cut into tiles that join without
// seams.

#include "tilelayout.h"

#include "feldbilder.h"
#include "feldkatalog.h"

#include <QFile>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

enum Edge { Top, Bottom, Left, Right };

QList<QRgb> edgePixels(const QImage &tile, Edge edge)
{
    QList<QRgb> pixels;
    for (int i = 0; i < art::TileSize; ++i) {
        switch (edge) {
        case Top: pixels.append(tile.pixel(i, 0)); break;
        case Bottom: pixels.append(tile.pixel(i, art::TileSize - 1)); break;
        case Left: pixels.append(tile.pixel(0, i)); break;
        case Right: pixels.append(tile.pixel(art::TileSize - 1, i)); break;
        }
    }
    return pixels;
}

// Largest difference of the mean colour of two lines, over the channels.
int meanDifference(const QList<QRgb> &a, const QList<QRgb> &b)
{
    double d[3] = {0, 0, 0};
    for (int i = 0; i < a.size(); ++i) {
        d[0] += qRed(a[i]) - qRed(b[i]);
        d[1] += qGreen(a[i]) - qGreen(b[i]);
        d[2] += qBlue(a[i]) - qBlue(b[i]);
    }
    return int(std::max({std::abs(d[0]), std::abs(d[1]), std::abs(d[2])}) / a.size());
}

bool isWater(QRgb c)
{
    return qBlue(c) > qRed(c) + 30;
}

bool isSand(QRgb c)
{
    return qRed(c) > qGreen(c) * 9 / 10 && qBlue(c) < qRed(c);
}

} // namespace

class ResourceCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pictures_data();
    void pictures();
    void paletteButtonsUseSixteenColours();
    void toolbarAndCursorAreTransparent();
    void sounds_data();
    void sounds();
    void sheets();
    void groundEdgesMatchPlainTiles_data();
    void groundEdgesMatchPlainTiles();
    void bordersContinueAcrossNeighbours_data();
    void bordersContinueAcrossNeighbours();

private:
    QList<QImage> m_tiles;
};

void ResourceCheck::initTestCase()
{
    // The tiles exactly as the program cuts them from the shipped sheets.
    TKarte karte;
    karte.FeldGroesse = art::TileSize;
    FeldBilderErzeugen(karte, {QStringLiteral(ZENDARO_DATA_DIR)});
    m_tiles = QList<QImage>(karte.FeldBilder.begin(), karte.FeldBilder.end());
}

void ResourceCheck::pictures_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QSize>("size");
    for (int i = 0; i < 15; ++i)
        QTest::addRow("toolbar %d", i) << QString(":/toolbar/%1").arg(i) << QSize(16, 16);
    for (const FeldTyp &typ : FeldKatalog())
        QTest::addRow("palette %d", typ.code) << QString(":/palette/%1").arg(typ.code) << QSize(16, 16);
    for (int i = 1; i <= 4; ++i)
        QTest::addRow("ICON%d", i) << QString(":/icon/ICON%1").arg(i) << QSize(32, 32);
    for (int size : {16, 32, 48, 256})
        QTest::addRow("zendaro-%d", size) << QString(":/icon/zendaro-%1").arg(size) << QSize(size, size);
    QTest::newRow("cursor") << ":/cursor/HELP_CURSORI" << QSize(32, 32);
    QTest::newRow("splash") << ":/picture/splash" << QSize(300, 223);
    QTest::newRow("tipbulb") << ":/picture/tipbulb" << QSize(84, 205);
}

void ResourceCheck::pictures()
{
    QFETCH(QString, alias);
    QFETCH(QSize, size);
    const QImage image(alias);
    QVERIFY2(!image.isNull(), qPrintable(alias));
    QCOMPARE(image.size(), size);
    if (alias.startsWith(":/picture/")) {
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QVERIFY(image.colorCount() <= 256);
    }
}

void ResourceCheck::paletteButtonsUseSixteenColours()
{
    for (const FeldTyp &typ : FeldKatalog()) {
        const int code = typ.code;
        const QImage image(QString(":/palette/%1").arg(code));
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() <= 16, qPrintable(QString::number(code)));
        QVERIFY2(colours.size() >= 3, qPrintable(QString::number(code)));  // a picture, not a blot
    }
}

void ResourceCheck::toolbarAndCursorAreTransparent()
{
    for (int i = 0; i < 15; ++i) {
        const QImage image(QString(":/toolbar/%1").arg(i));
        QVERIFY(image.hasAlphaChannel());
        int clear = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                clear += qAlpha(image.pixel(x, y)) == 0;
        QVERIFY2(clear > 10 && clear < 240, qPrintable(QString::number(i)));
    }
    const QImage cursor(":/cursor/HELP_CURSORI");
    QCOMPARE(qAlpha(cursor.pixel(0, 0)), 255);  // the arrow's tip is the hot spot
    QCOMPARE(qAlpha(cursor.pixel(31, 31)), 0);
}

void ResourceCheck::sounds_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<int>("minBytes");
    QTest::addColumn<int>("maxBytes");
    QTest::newRow("gras") << ":/wave/GRAS_SOUND" << 189 << 189;
    QTest::newRow("sand") << ":/wave/SAND_SOUND" << 1000 << 1030;
    QTest::newRow("wasser") << ":/wave/WASSER_SOUND" << 4400 << 6600;
}

void ResourceCheck::sounds()
{
    QFETCH(QString, alias);
    QFETCH(int, minBytes);
    QFETCH(int, maxBytes);
    QFile file(alias);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    QVERIFY(wav.size() > 44);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(wav.mid(8, 4), QByteArray("WAVE"));
    QCOMPARE(int(qFromLittleEndian<quint32>(wav.constData() + 4)), wav.size() - 8);

    QByteArray data;
    bool haveFormat = false;
    for (int pos = 12; pos + 8 <= wav.size();) {
        const QByteArray id = wav.mid(pos, 4);
        const int length = int(qFromLittleEndian<quint32>(wav.constData() + pos + 4));
        QVERIFY(pos + 8 + length <= wav.size());
        if (id == "fmt ") {
            const char *f = wav.constData() + pos + 8;
            QCOMPARE(qFromLittleEndian<quint16>(f), quint16(1));        // PCM
            QCOMPARE(qFromLittleEndian<quint16>(f + 2), quint16(1));    // mono
            QCOMPARE(qFromLittleEndian<quint32>(f + 4), quint32(11025));
            QCOMPARE(qFromLittleEndian<quint16>(f + 14), quint16(8));
            haveFormat = true;
        } else if (id == "data") {
            data = wav.mid(pos + 8, length);
        }
        pos += 8 + length + (length % 2);
    }
    QVERIFY(haveFormat);
    QVERIFY2(data.size() >= minBytes && data.size() <= maxBytes, qPrintable(QString::number(data.size())));

    // Starts and ends at rest, so playing it does not click; and it is audible.
    QVERIFY(std::abs(uchar(data.front()) - 128) <= 3);
    QVERIFY(std::abs(uchar(data.back()) - 128) <= 3);
    int peak = 0;
    for (char c : data)
        peak = std::max(peak, std::abs(uchar(c) - 128));
    QVERIFY2(peak > 40, qPrintable(QString::number(peak)));
}

void ResourceCheck::sheets()
{
    for (size_t s = 0; s < BlattNamen().size(); ++s) {
        const QString path = QString(ZENDARO_DATA_DIR) + "/" + BlattNamen()[s];
        QImage sheet;
        QVERIFY(sheet.load(path, "BMP"));
        QCOMPARE(sheet.format(), QImage::Format_Indexed8);
        QVERIFY(sheet.colorCount() <= 256);
        QVERIFY(sheet.width() >= art::SheetWidths[s]);
        QVERIFY(sheet.height() >= art::SheetHeights[s]);
    }
    // The two street images are one.
    QCOMPARE(m_tiles[41], m_tiles[42]);
}

void ResourceCheck::groundEdgesMatchPlainTiles_data()
{
    // Ground along the top, bottom, left and right edge of each image:
    // M meadow, S sand, W water, - mixed or none.
    static const char *const edges[44] = {
        "MMMM", "MMMM", "MMMM", "MMMM", "MMMM", "MMMM", "MMMM", "MMMM", "WWWW", "MW--", "WM--",
        "--MW", "--WM", "-W-W", "-WW-", "W--W", "W-W-", "M-M-", "M--M", "-MM-", "-M-M", "WWWW",
        "SSSS", "SSSS", "SSSS", "SSSS", "SSSS", "SSSS", "SM--", "MS--", "--SM", "--MS", "-M-M",
        "-MM-", "M--M", "M-M-", "-S-S", "-SS-", "S--S", "S-S-", "MMMM", "----", "----", "MMMM"};
    QTest::addColumn<int>("image");
    QTest::addColumn<int>("edge");
    QTest::addColumn<int>("plain");
    for (int i = 0; i < 44; ++i)
        for (int e = 0; e < 4; ++e) {
            const char g = edges[i][e];
            if (g != '-')
                QTest::addRow("image %d edge %d", i, e) << i << e << (g == 'M' ? 0 : g == 'S' ? 22 : 8);
        }
}

void ResourceCheck::groundEdgesMatchPlainTiles()
{
    QFETCH(int, image);
    QFETCH(int, edge);
    QFETCH(int, plain);
    const QList<QRgb> piece = edgePixels(m_tiles[image], Edge(edge));
    const QList<QRgb> reference = edgePixels(m_tiles[plain], Edge(edge));
    const int difference = meanDifference(piece, reference);
    QVERIFY2(difference <= 6, qPrintable(QString("mean colour differs by %1").arg(difference)));
}

void ResourceCheck::bordersContinueAcrossNeighbours_data()
{
    QTest::addColumn<QList<QList<int>>>("layout");
    // A lake in meadow, a meadow island in the sea, a desert in meadow and
    // a meadow in the desert, each framed by its edge and corner pieces.
    QTest::newRow("lake") << QList<QList<int>>{
        {41, 25, 25, 43}, {29, 22, 49, 31}, {29, 22, 22, 31}, {45, 27, 27, 47}};
    QTest::newRow("island") << QList<QList<int>>{
        {22, 22, 22, 22}, {39, 27, 27, 37}, {31, 1, 4, 29}, {35, 25, 25, 33}};
    QTest::newRow("desert") << QList<QList<int>>{
        {77, 65, 65, 75}, {69, 51, 56, 67}, {69, 59, 61, 67}, {73, 63, 63, 71}};
    QTest::newRow("oasis") << QList<QList<int>>{
        {51, 51, 51, 51}, {85, 63, 63, 83}, {67, 1, 1, 69}, {81, 65, 65, 79}};
}

void ResourceCheck::bordersContinueAcrossNeighbours()
{
    QFETCH(QList<QList<int>>, layout);
    const bool coast = QByteArray(QTest::currentDataTag()) == "lake" || QByteArray(QTest::currentDataTag()) == "island";
    auto mismatches = [&](const QList<QRgb> &a, const QList<QRgb> &b) {
        int n = 0;
        for (int i = 0; i < a.size(); ++i)
            n += coast ? isWater(a[i]) != isWater(b[i]) : isSand(a[i]) != isSand(b[i]);
        return n;
    };
    for (qsizetype r = 0; r < layout.size(); ++r) {
        for (qsizetype c = 0; c < layout[r].size(); ++c) {
            const QImage &here = m_tiles[BildNummer(layout[r][c])];
            if (c + 1 < layout[r].size()) {
                const QImage &right = m_tiles[BildNummer(layout[r][c + 1])];
                const int n = mismatches(edgePixels(here, Right), edgePixels(right, Left));
                QVERIFY2(n <= 2, qPrintable(QString("row %1, tiles %2|%3: %4 pixels").arg(r).arg(c).arg(c + 1).arg(n)));
            }
            if (r + 1 < layout.size()) {
                const QImage &below = m_tiles[BildNummer(layout[r + 1][c])];
                const int n = mismatches(edgePixels(here, Bottom), edgePixels(below, Top));
                QVERIFY2(n <= 2, qPrintable(QString("column %1, rows %2/%3: %4 pixels").arg(c).arg(r).arg(r + 1).arg(n)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(ResourceCheck)

#include "resourcecheck.moc"
