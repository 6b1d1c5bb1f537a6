#pragma once

#include <QString>

#include <cstdint>

// What the properties dialog edits: name, time limit and, when the user
// picked one, a standard size.
struct KartenEigenschaften
{
    QString name;
    std::int32_t zeitLimit = 0;
    // Pages of the standard size chosen (176 fields each); 0 keeps the size.
    std::uint8_t seiten = 0;
};
