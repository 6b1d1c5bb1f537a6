#pragma once

#include <array>

// Where each of the 44 tile images sits in the three tile sheets. The program
// cuts its images from exactly these rectangles (right and bottom exclusive);
// the generator paints the art into them and the resource check reads them
// back.
namespace art {

constexpr int TileSize = 40;

struct TileSlot
{
    int sheet;  // 0 = Scene1.scn, 1 = Scene2.scn, 2 = Scene3.scn
    int left, top, right, bottom;
};

constexpr std::array<const char *, 3> SheetNames{"Scene1.scn", "Scene2.scn", "Scene3.scn"};
// Widths are multiples of four: the BMP writer leaves row padding unset.
constexpr std::array<int, 3> SheetWidths{164, 164, 124};
constexpr std::array<int, 3> SheetHeights{204, 204, 40};

constexpr std::array<TileSlot, 44> TileSlots{{
    {0, 0, 0, 40, 40},       {0, 41, 0, 81, 40},      {0, 82, 0, 122, 40},     {0, 123, 0, 163, 40},
    {0, 0, 41, 40, 81},      {0, 0, 82, 40, 122},     {0, 41, 41, 81, 81},     {0, 41, 82, 81, 122},
    {0, 83, 82, 122, 122},   {0, 124, 82, 164, 122},  {0, 0, 123, 40, 163},    {0, 41, 123, 81, 163},
    {0, 82, 123, 122, 163},  {0, 123, 123, 163, 163}, {0, 0, 164, 40, 204},    {0, 41, 164, 81, 204},
    {0, 82, 164, 122, 204},  {1, 0, 0, 40, 40},       {1, 41, 0, 81, 40},      {1, 82, 0, 122, 40},
    {1, 123, 0, 163, 40},    {0, 123, 164, 163, 204}, {1, 0, 41, 40, 81},      {1, 41, 41, 81, 81},
    {1, 82, 41, 122, 81},    {1, 123, 41, 163, 81},   {1, 0, 82, 40, 122},     {1, 41, 82, 81, 122},
    {1, 82, 82, 122, 122},   {1, 123, 82, 163, 122},  {1, 0, 123, 40, 163},    {1, 41, 123, 81, 163},
    {1, 82, 123, 122, 163},  {1, 123, 123, 163, 163}, {1, 0, 164, 40, 204},    {1, 41, 164, 81, 204},
    {1, 82, 164, 122, 204},  {1, 123, 164, 163, 204}, {2, 0, 0, 40, 40},       {2, 41, 0, 81, 40},
    {0, 82, 41, 122, 81},    {2, 82, 0, 122, 40},     {2, 82, 0, 122, 40},     {0, 123, 41, 163, 81},
}};

// The image a tile code draws with, for the codes the palette offers.
constexpr int imageOfCode(int code)
{
    if (code >= 25 && code <= 86)
        return 9 + (code - 25) / 2;
    switch (code) {
    case 1: return 0;
    case 4: return 1;
    case 7: return 2;
    case 11: return 3;
    case 13: return 4;
    case 14: return 5;
    case 16: return 6;
    case 19: return 7;
    case 22: return 8;
    case 87: return 40;
    case 100: return 42;
    case 104: return 43;
    default: return 1;
    }
}

// The 43 codes that have a palette picture.
constexpr std::array<int, 43> PaletteCodes{
    1, 4, 16, 87, 104, 13, 11, 7, 14, 100, 51, 59, 61, 53, 57, 56, 63, 65, 67, 69, 71, 73,
    75, 77, 79, 81, 83, 85, 22, 25, 27, 29, 31, 33, 35, 37, 39, 41, 43, 45, 47, 19, 49};

} // namespace art
