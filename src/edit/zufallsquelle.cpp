#include "zufallsquelle.h"

#include <numeric>

std::uint64_t Zufallsquelle::naechste()
{
    m_zustand += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = m_zustand;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint32_t Zufallsquelle::unter(std::uint32_t n)
{
    return std::uint32_t(((naechste() >> 32) * n) >> 32);
}

std::size_t Zufallsquelle::gewichtet(std::span<const std::uint16_t> gewichte)
{
    const std::uint32_t summe = std::accumulate(gewichte.begin(), gewichte.end(), std::uint32_t(0));
    std::uint32_t wurf = unter(summe);
    for (std::size_t i = 0; i < gewichte.size(); ++i) {
        if (wurf < gewichte[i])
            return i;
        wurf -= gewichte[i];
    }
    return 0;
}
