#include "kartenstueck.h"

#include <QMimeData>
#include <QStringList>

#include <cstddef>

namespace {

constexpr char kKopf[] = "Zendaro-Felder 1";
// The largest map is 16 pages of 560 fields; anything far beyond is no piece
// of a map and must not make us allocate.
constexpr int kMaxKante = 4096;
constexpr int kMaxFelder = 1 << 16;
// The text of the largest piece (four bytes a code) with room for blanks;
// larger data is refused before it is split into lines.
constexpr qsizetype kMaxBytes = qsizetype(1) << 20;

} // namespace

KartenStueck StueckKopieren(const FeldEntwurf &entwurf, const FeldRaster &raster, QRect zellen)
{
    const QRect geschnitten = zellen & QRect(QPoint(0, 0), raster.groesse());
    KartenStueck stueck;
    if (geschnitten.isEmpty())
        return stueck;
    stueck.groesse = geschnitten.size();
    stueck.codes.reserve(static_cast<std::size_t>(geschnitten.width()) * geschnitten.height());
    for (int y = geschnitten.top(); y <= geschnitten.bottom(); ++y)
        for (int x = geschnitten.left(); x <= geschnitten.right(); ++x) {
            const auto ort = raster.ort({x, y});
            stueck.codes.push_back(ort ? std::int16_t(entwurf.code(*ort)) : std::int16_t(-1));
        }
    return stueck;
}

void StueckEinfuegen(FeldEntwurf &entwurf, const FeldRaster &raster, const KartenStueck &stueck, QPoint ziel)
{
    for (int y = 0; y < stueck.groesse.height(); ++y)
        for (int x = 0; x < stueck.groesse.width(); ++x) {
            const std::int16_t code = stueck.code({x, y});
            const auto ort = raster.ort(ziel + QPoint(x, y));
            if (code >= 0 && ort)
                entwurf.setzen(*ort, std::uint8_t(code));
        }
}

QString StueckText(const KartenStueck &stueck)
{
    QString text;
    for (int y = 0; y < stueck.groesse.height(); ++y) {
        QStringList zeile;
        for (int x = 0; x < stueck.groesse.width(); ++x) {
            const std::int16_t code = stueck.code({x, y});
            zeile << (code < 0 ? QStringLiteral("-") : QString::number(code));
        }
        text += zeile.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QByteArray StueckDaten(const KartenStueck &stueck)
{
    return QByteArray(kKopf) + '\n' + QByteArray::number(stueck.groesse.width()) + ' '
         + QByteArray::number(stueck.groesse.height()) + '\n' + StueckText(stueck).toLatin1();
}

std::optional<KartenStueck> StueckLesen(const QByteArray &daten)
{
    if (daten.size() > kMaxBytes)
        return std::nullopt;
    const QList<QByteArray> zeilen = daten.split('\n');
    if (zeilen.size() < 2 || zeilen[0].trimmed() != kKopf)
        return std::nullopt;
    const QList<QByteArray> masse = zeilen[1].simplified().split(' ');
    bool okB = false;
    bool okH = false;
    const int breite = masse.size() == 2 ? masse[0].toInt(&okB) : 0;
    const int hoehe = masse.size() == 2 ? masse[1].toInt(&okH) : 0;
    if (!okB || !okH || breite < 1 || hoehe < 1 || breite > kMaxKante || hoehe > kMaxKante
        || breite * hoehe > kMaxFelder || zeilen.size() < hoehe + 2)
        return std::nullopt;
    KartenStueck stueck;
    stueck.groesse = QSize(breite, hoehe);
    stueck.codes.reserve(static_cast<std::size_t>(breite) * hoehe);
    for (int y = 0; y < hoehe; ++y) {
        const QList<QByteArray> werte = zeilen[y + 2].simplified().split(' ');
        if (werte.size() != breite)
            return std::nullopt;
        for (const QByteArray &wert : werte) {
            bool ok = false;
            const int code = wert == "-" ? -1 : wert.toInt(&ok);
            if (wert != "-" && (!ok || code < 0 || code > 255))
                return std::nullopt;
            stueck.codes.push_back(std::int16_t(code));
        }
    }
    return stueck;
}

QMimeData *StueckAlsMime(const KartenStueck &stueck)
{
    auto *daten = new QMimeData;
    daten->setData(QString::fromLatin1(KartenStueckMime), StueckDaten(stueck));
    daten->setText(StueckText(stueck));
    return daten;
}

std::optional<KartenStueck> StueckAusMime(const QMimeData *daten)
{
    if (!daten || !daten->hasFormat(QString::fromLatin1(KartenStueckMime)))
        return std::nullopt;
    return StueckLesen(daten->data(QString::fromLatin1(KartenStueckMime)));
}
