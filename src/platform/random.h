#pragma once

#include <cstdint>

// The runtime's linear congruential generator. The start-up map depends on its
// exact sequence, so it is reproduced bit for bit: seed 0 at program start.
namespace Zufall {

std::uint32_t &RandSeed();

// Next seed, then the value (seed * range) div 2^32, uniform over 0..range-1.
// A range of 0 or less gives 0 (the seed still advances).
std::int32_t Random(std::int32_t range);

// Reseeds from the clock.
void Randomize();

} // namespace Zufall
