#pragma once

#include "massstab.h"
#include "seitenflaeche.h"
#include "skaliertefeldbilder.h"

#include <QScrollArea>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class KartenDokument;
class Werkzeugsteuerung;
struct FeldOrt;

// The map view (ScrollBox1): a scroll area that shows the document's pages
// edge to edge on the sixteen page surfaces, at a zoom, with the field grid
// when it is switched on and the tools' preview over the tiles. It hands the
// pointer to the tools and follows the document and the tools by itself:
// changed fields and overlays are repainted, a new layout places the pages
// anew. Ctrl and the wheel zoom about the pointer.
class KartenAnsicht : public QScrollArea, private SeitenEreignisse
{
    Q_OBJECT

public:
    // The document and the tools must outlive the view. `feldtyp` is the
    // current tile, read at every press and move.
    KartenAnsicht(KartenDokument &dokument, Werkzeugsteuerung &werkzeuge, const std::uint8_t &feldtyp,
                  QWidget *parent = nullptr);

    // The page surfaces; PaintBoxen[k - 1] shows page k.
    std::array<TSeitenFlaeche *, 16> PaintBoxen{};
    // The page of the surface last painted, pressed or moved over.
    std::int32_t AktuelleSeite = 0;
    // From a painting press until the next release on a page.
    bool MalenAktiv = false;

    const Massstab &zoom() const { return m_zoom; }
    // Sets the zoom; the map pixel under `anker` (a position in the visible
    // part) stays under it where the scroll range allows.
    void zoomSetzen(int prozent, QPoint anker);
    // The steps of the menu and the keys, about the middle of the visible part.
    void vergroessern();
    void verkleinern();
    void originalgroesse();
    // The largest zoom at which the whole map fits, scrolled to its top left.
    void ganzeKarte();

    bool raster() const { return m_raster; }
    void setRaster(bool an);
    // Fields framed in red over the tiles (edge faults); on screen only.
    void setKantenFehler(std::vector<FeldOrt> fehler);
    // Every page draws itself again.
    void neuZeichnen();

    // The part of the map the view shows, in map pixels.
    QRect sichtbarerTeil() const;
    // Scrolls so that this map pixel lies in the middle of the visible part.
    void mitteZeigen(QPoint kartenPunkt);

    // The page and page pixel shown at a position of the visible part;
    // nothing where no page is.
    struct Treffer
    {
        int seite;
        QPoint seitenPunkt;
    };
    std::optional<Treffer> seiteBei(QPoint sichtPunkt) const;

signals:
    void zoomGeaendert(int prozent);
    // The visible part moved, grew or shrank (map pixels).
    void sichtGeaendert(QRect kartenPixel);
    // The pointer rests over a page pixel, or left the pages.
    void zeigerUeber(int seite, QPoint seitenPunkt);
    void zeigerVerlassen();
    // A right press on a page asks for the page menu at this screen position.
    void seitenMenueAngefordert(QPoint global);

protected:
    void wheelEvent(QWheelEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void PaintBox1Paint(TSeitenFlaeche &sender, QPainter &flaeche, const QRect &bereich) override;
    void PaintBox1MouseDown(TSeitenFlaeche &sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                            QPoint pos) override;
    void PaintBox1MouseMove(TSeitenFlaeche &sender, QPoint pos) override;
    void PaintBox1MouseUp(TSeitenFlaeche &sender, Qt::MouseButton button, QPoint pos) override;
    void PaintBox1MouseLeave(TSeitenFlaeche &sender) override;

    void seitenAnordnen();
    void felderNeuZeichnen(const std::vector<FeldOrt> &felder);
    void kartenBereichNeuZeichnen(const QRect &kartenPixel);
    void sichtMelden();
    void zeigerZeigen(const TSeitenFlaeche &sender, QPoint pos);
    bool inSeite(QPoint seitenPunkt) const;

    KartenDokument &m_dokument;
    Werkzeugsteuerung &m_werkzeuge;
    const std::uint8_t &m_feldtyp;
    Massstab m_zoom;
    SkalierteFeldBilder m_feldBilder;
    bool m_raster = false;
    std::vector<FeldOrt> m_kantenFehler;
    // Wheel turns with Ctrl held that have not yet made a whole notch.
    int m_zoomRad = 0;
};
