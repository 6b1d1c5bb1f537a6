#include "wertrauschen.h"

namespace {

// 0..65536 eased so that the blend has no kinks at the grid lines.
std::int64_t sanft(std::int64_t t)
{
    return (t * t >> 16) * (3 * std::int64_t{65536} - 2 * t) >> 16;
}

std::int64_t mischen(std::int64_t a, std::int64_t b, std::int64_t t)
{
    return a + ((b - a) * t >> 16);
}

// One scale: heights on a grid `schritt` points apart, shifted by a random
// offset so that the scales' grid lines do not meet.
void skalaAddieren(std::vector<std::uint32_t> &werte, int breite, int hoehe, int schritt, std::uint32_t gewicht,
                   Zufallsquelle &zufall)
{
    const int versatzX = int(zufall.unter(std::uint32_t(schritt)));
    const int versatzY = int(zufall.unter(std::uint32_t(schritt)));
    const int stuetzenX = (breite + versatzX) / schritt + 2;
    const int stuetzenY = (hoehe + versatzY) / schritt + 2;
    std::vector<std::int64_t> stuetzen(std::size_t(stuetzenX) * std::size_t(stuetzenY));
    for (auto &s : stuetzen)
        s = std::int64_t(zufall.unter(65536));
    const auto stuetze = [&](int x, int y) { return stuetzen[std::size_t(y) * std::size_t(stuetzenX) + std::size_t(x)]; };
    for (int y = 0; y < hoehe; ++y) {
        const int gy = (y + versatzY) / schritt;
        const std::int64_t ty = sanft(std::int64_t((y + versatzY) % schritt) * 65536 / schritt);
        for (int x = 0; x < breite; ++x) {
            const int gx = (x + versatzX) / schritt;
            const std::int64_t tx = sanft(std::int64_t((x + versatzX) % schritt) * 65536 / schritt);
            const std::int64_t oben = mischen(stuetze(gx, gy), stuetze(gx + 1, gy), tx);
            const std::int64_t unten = mischen(stuetze(gx, gy + 1), stuetze(gx + 1, gy + 1), tx);
            werte[std::size_t(y) * std::size_t(breite) + std::size_t(x)] += std::uint32_t(mischen(oben, unten, ty)) * gewicht;
        }
    }
}

} // namespace

std::vector<std::uint32_t> WertRauschen(int breite, int hoehe, int schritt, Zufallsquelle &zufall)
{
    std::vector<std::uint32_t> werte(std::size_t(std::max(breite, 0)) * std::size_t(std::max(hoehe, 0)));
    if (werte.empty())
        return werte;
    // The coarse scale shapes the areas, the finer ones fray their edges.
    std::uint32_t gewicht = 4;
    for (int s = std::max(schritt, 2); gewicht > 0 && s >= 2; s /= 2, gewicht /= 2)
        skalaAddieren(werte, breite, hoehe, s, gewicht, zufall);
    return werte;
}
