#pragma once

#include <cstdint>

// The sound a painting press plays follows the code's numeric range only, so
// rock (87) and street (100) on the meadow palette sound like sand.
enum class KlangGruppe { Gras, Wasser, Sand };

constexpr KlangGruppe FeldKlangGruppe(std::uint8_t code)
{
    if (code <= 18)
        return KlangGruppe::Gras;
    if (code <= 50)
        return KlangGruppe::Wasser;
    return KlangGruppe::Sand;
}
