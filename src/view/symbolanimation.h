#pragma once

#include <QIcon>

#include <cstdint>

// Frames 1..4 of the program icon that runs while the program is minimized.
QIcon SymbolBild(std::uint8_t phase);

// The frame after this one: 1, 2, 3, 4, 1, ...
constexpr std::uint8_t NaechsteSymbolPhase(std::uint8_t phase)
{
    return phase >= 4 ? 1 : phase + 1;
}
