#include "noise.h"

#include <cmath>

namespace art {

std::uint32_t hash(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u
                    + static_cast<std::uint32_t>(y) * 668265263u
                    + static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

double hashUnit(int x, int y, int seed)
{
    return (hash(x, y, seed) & 0xffffff) / double(0x1000000);
}

static int wrap(int v, int n)
{
    const int r = v % n;
    return r < 0 ? r + n : r;
}

double tiledNoise(double x, double y, int cell, int seed)
{
    const int n = TileSize / cell;
    const double fx = x / cell, fy = y / cell;
    const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    double tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto at = [&](int gx, int gy) { return hashUnit(wrap(gx, n), wrap(gy, n), seed * 31 + cell); };
    const double a = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
    const double b = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
    return a + (b - a) * ty;
}

double tiledFbm(double x, double y, int seed)
{
    return (tiledNoise(x, y, 20, seed) * 0.5 + tiledNoise(x, y, 10, seed) * 0.3
            + tiledNoise(x, y, 5, seed) * 0.2);
}

double grain(int x, int y, int seed)
{
    return hashUnit(wrap(x, TileSize), wrap(y, TileSize), seed);
}

} // namespace art
