#include "feldvarianten.h"

#include <algorithm>
#include <array>

namespace {

// Weights for a natural look: plain ground dominates, decorations are rarer,
// and forests are mostly tall trees with bushes and fruit trees between.
constexpr std::array<FeldVariante, 3> kWiese = {{{1, 70}, {4, 20}, {16, 10}}};
constexpr std::array<FeldVariante, 5> kSand = {{{51, 55}, {53, 15}, {59, 12}, {56, 12}, {57, 6}}};
constexpr std::array<FeldVariante, 4> kBaeume = {{{7, 45}, {11, 20}, {14, 20}, {13, 15}}};

} // namespace

std::span<const FeldVariante> Varianten(FeldFamilie familie)
{
    switch (familie) {
    case FeldFamilie::Wiese:
        return kWiese;
    case FeldFamilie::Sand:
        return kSand;
    case FeldFamilie::Baeume:
        break;
    }
    return kBaeume;
}

std::optional<FeldFamilie> FamilieVon(std::uint8_t code)
{
    if (code == kWiese.front().code)
        return FeldFamilie::Wiese;
    if (code == kSand.front().code)
        return FeldFamilie::Sand;
    if (std::any_of(kBaeume.begin(), kBaeume.end(), [code](const FeldVariante &v) { return v.code == code; }))
        return FeldFamilie::Baeume;
    return std::nullopt;
}

std::uint8_t VarianteFuerFeld(FeldFamilie familie, std::uint64_t saat, int seite, int feld)
{
    // SplitMix64 mixes neighbouring states well, so the place can simply be
    // added into the seed.
    Zufallsquelle zufall(saat + ((std::uint64_t(std::uint32_t(seite)) << 32) | std::uint32_t(feld)));
    return VarianteWaehlen(familie, zufall);
}

std::uint8_t VarianteWaehlen(FeldFamilie familie, Zufallsquelle &zufall)
{
    const auto varianten = Varianten(familie);
    std::array<std::uint16_t, 8> gewichte{};
    for (std::size_t i = 0; i < varianten.size(); ++i)
        gewichte[i] = varianten[i].gewicht;
    return varianten[zufall.gewichtet(std::span(gewichte).first(varianten.size()))].code;
}
