#pragma once

#include "feldkatalog.h"

#include <QFrame>

#include <cstdint>
#include <map>

class QAbstractButton;
class QLabel;
class QStackedWidget;
class QToolButton;

// The palette strip HolderPanel: VisiblePanel, a paged container without tabs,
// holds one row of tile buttons per palette ("Grünland", "Wüste",
// "Küste/Meer"). The buttons of a page form one exclusive group. At the right
// end a larger picture of the current tile with its name.
class TPalettenLeiste : public QFrame
{
    Q_OBJECT

public:
    explicit TPalettenLeiste(QWidget *parent = nullptr);

    void paletteZeigen(Palette palette);
    Palette gezeigtePalette() const;

    // Shows the current tile: its palette with its button pressed, or, for a
    // tile without a button, the shown palette with none pressed; and its
    // picture and name at the right end.
    void feldtypZeigen(std::uint8_t code, const QImage &bild);

    QStackedWidget *VisiblePanel = nullptr;
    QLabel *FeldBild = nullptr;
    QLabel *FeldText = nullptr;

signals:
    // A tile button was clicked; pressing the already pressed one counts too.
    void feldtypGewaehlt(std::uint8_t code);

private:
    QWidget *seiteAnlegen(Palette palette, const QString &titel, std::initializer_list<int> trennlinien);

    std::map<std::uint8_t, QToolButton *> m_knoepfe;
};
