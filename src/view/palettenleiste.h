#pragma once

#include "feldkatalog.h"

#include <QFrame>

#include <cstdint>

class QAbstractButton;
class QStackedWidget;

// The palette strip HolderPanel: VisiblePanel, a paged container without tabs,
// holds one row of tile buttons per palette ("Grünland", "Wüste",
// "Küste/Meer"). The buttons of a page form one exclusive group.
class TPalettenLeiste : public QFrame
{
    Q_OBJECT

public:
    explicit TPalettenLeiste(QWidget *parent = nullptr);

    void paletteZeigen(Palette palette);
    Palette gezeigtePalette() const;

    QStackedWidget *VisiblePanel = nullptr;

signals:
    // A tile button was clicked; pressing the already pressed one counts too.
    void feldtypGewaehlt(std::uint8_t code);

private:
    QWidget *seiteAnlegen(Palette palette, const QString &titel, std::initializer_list<int> trennlinien);
};
