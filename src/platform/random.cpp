#include "random.h"

#include <chrono>

namespace Zufall {

std::uint32_t &RandSeed()
{
    static std::uint32_t seed = 0;
    return seed;
}

std::int32_t Random(std::int32_t range)
{
    std::uint32_t &seed = RandSeed();
    seed = seed * 134775813u + 1u;
    if (range <= 0)
        return 0;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(range)) >> 32);
}

void Randomize()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    RandSeed() = static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace Zufall
