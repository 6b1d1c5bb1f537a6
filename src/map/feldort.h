#pragma once

#include <cstdint>

// A field of the map: page and field number, both counted from 1.
struct FeldOrt
{
    std::uint8_t seite = 0;
    std::int32_t feld = 0;

    friend bool operator==(const FeldOrt &, const FeldOrt &) = default;
};
