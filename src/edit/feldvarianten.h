#pragma once

#include "zufallsquelle.h"

#include <cstdint>
#include <optional>
#include <span>

// A family of tiles that stand for the same ground, each with the weight it
// is drawn with when variety is wanted: mostly plain, now and then a variant.
struct FeldVariante
{
    std::uint8_t code;
    std::uint16_t gewicht;
};

enum class FeldFamilie : std::uint8_t { Wiese, Sand, Baeume };

std::span<const FeldVariante> Varianten(FeldFamilie familie);

// The family a painted code draws from: plain meadow, plain sand and every
// tree; none for any other code.
std::optional<FeldFamilie> FamilieVon(std::uint8_t code);

// A code of the family, drawn by the weights.
std::uint8_t VarianteWaehlen(FeldFamilie familie, Zufallsquelle &zufall);

// The variant a field gets under `saat`: drawn by the weights, but fixed for
// each field and seed, so that a preview shows what the press will lay.
std::uint8_t VarianteFuerFeld(FeldFamilie familie, std::uint64_t saat, int seite, int feld);
