#pragma once

#include <cstdint>
#include <span>

// A small pseudo-random generator (SplitMix64) in plain integer arithmetic:
// the same seed gives the same numbers on every machine and compiler, which
// the standard library's distributions do not promise.
class Zufallsquelle
{
public:
    explicit Zufallsquelle(std::uint64_t saat) : m_zustand(saat) {}

    std::uint64_t naechste();
    // Uniform over 0..n-1 (0 when n is 0), from the top bits of one draw.
    std::uint32_t unter(std::uint32_t n);
    // An index into `gewichte`, each drawn in proportion to its weight.
    std::size_t gewichtet(std::span<const std::uint16_t> gewichte);

private:
    std::uint64_t m_zustand;
};
