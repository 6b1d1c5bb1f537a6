#pragma once

#include <QString>

#include <cstdint>

// What the properties dialog edits: name, time limit and, when the user
// picked one, a size.
struct KartenEigenschaften
{
    QString name;
    std::int32_t zeitLimit = 0;
    // Pages chosen, 1 to 16 of 176 fields each; 0 keeps the size.
    std::uint8_t seiten = 0;
};
