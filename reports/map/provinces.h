#pragma once
// The eleven provinces of the award area: the number of each in the box array `Dep`, its code
// (the first two letters of a castle reference), its name as the map picture shows it and the
// place of its box on the 493 x 406 picture (top-left corner, width, height).
// tools/make_province_map.py reads this table to draw and check the picture: keep one row per
// line in this form.
#include <array>

namespace kastlog::carte {

constexpr int MapWidth = 493;
constexpr int MapHeight = 406;

struct Province {
    int number;
    const char *code;
    const char *name;
    int x, y, width, height;
};

constexpr int ProvinceCount = 11;

constexpr std::array<Province, ProvinceCount> Provinces{{
    {1, "AN", "ANVERS", 264, 72, 25, 20},
    {2, "BR", "BRUXELLES", 240, 120, 25, 20},
    {3, "BW", "BRABANT WALLON", 232, 176, 33, 20},
    {4, "HT", "HAINAUT", 184, 184, 25, 20},
    {5, "LB", "LIMBOURG", 344, 128, 25, 20},
    {6, "LG", "LIEGE", 360, 184, 25, 20},
    {7, "LU", "LUXEMBOURG", 360, 320, 25, 20},
    {8, "NM", "NAMUR", 256, 248, 25, 20},
    {9, "OV", "FLANDRE ORIENTALE", 152, 112, 25, 20},
    {10, "VB", "BRABANT FLAMAND", 296, 136, 25, 20},
    {11, "WV", "FLANDRE OCCIDENTALE", 48, 120, 33, 20},
}};

}  // namespace kastlog::carte
