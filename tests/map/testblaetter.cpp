#include "testblaetter.h"

#include <QDir>
#include <QImage>

QRgb ZellFarbe(int blatt, int spalte, int zeile)
{
    return qRgb(40 + blatt * 70, 20 + spalte * 50, 10 + zeile * 45);
}

QRgb MarkierungsFarbe()
{
    return qRgb(255, 0, 255);
}

void TestBlaetterSchreiben(const QString &ordner)
{
    const struct { const char *name; int spalten, zeilen; } blaetter[] = {
        {"Scene1.scn", 4, 5}, {"Scene2.scn", 4, 5}, {"Scene3.scn", 3, 1}};
    for (int b = 0; b < 3; ++b) {
        QImage bild(blaetter[b].spalten * 41, blaetter[b].zeilen * 41 - 1, QImage::Format_Indexed8);
        QList<QRgb> palette{qRgb(0, 0, 0), MarkierungsFarbe()};
        for (int s = 0; s < blaetter[b].spalten; ++s)
            for (int z = 0; z < blaetter[b].zeilen; ++z)
                palette << ZellFarbe(b, s, z);
        bild.setColorTable(palette);
        bild.fill(0);
        for (int s = 0; s < blaetter[b].spalten; ++s)
            for (int z = 0; z < blaetter[b].zeilen; ++z)
                for (int y = z * 41; y < z * 41 + 40; ++y)
                    for (int x = s * 41; x < s * 41 + 40; ++x)
                        bild.setPixel(x, y, 2 + s * blaetter[b].zeilen + z);
        if (b == 0) {
            for (int y = 82; y < 122; ++y) {
                bild.setPixel(82, y, 1);
                bild.setPixel(123, y, 1);
            }
        }
        bild.save(QDir(ordner).filePath(QString::fromLatin1(blaetter[b].name)), "BMP");
    }
}
