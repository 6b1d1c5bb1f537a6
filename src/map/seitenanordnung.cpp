#include "seitenanordnung.h"

#include <algorithm>
#include <array>

QPoint SeitenZelle(int seite)
{
    static constexpr std::array<QPoint, 16> kZellen = {{
        {0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1},
        {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {0, 3},
    }};
    if (seite < 1 || seite > static_cast<int>(kZellen.size()))
        return {};
    return kZellen[seite - 1];
}

int SichtbareSeiten(const TKarte &karte)
{
    return std::min<int>(karte.AnzahlSeiten, 16);
}
