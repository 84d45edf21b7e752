// The five grids (天格 人格 地格 外格 总格) of a full name, from the Kangxi strokes of its
// characters, with their elements, the three-talent configuration and the six luck words.
#pragma once

#include <array>
#include <span>
#include <string>

#include "analysis/char_info.hpp"
#include "analysis/luck_source.hpp"
#include "analysis/pool_char_table.hpp"

namespace qinghe {

// Positions of the six luck words, in the order they are computed and weighed.
enum LuckSlot : int { HeavenLuck, PersonLuck, EarthLuck, TotalLuck, OuterLuck, TalentLuck };

struct FiveGrids {
    int heaven = 0;
    int person = 0;
    int earth = 0;
    int outer = 0;
    int total = 0;
    int simplifiedTotal = 0;
    std::string elements;     // the characters' own elements, surname first (GBK)
    std::string talents;      // element of heaven, person, earth, e.g. 木火土
    std::array<std::string, 6> luck;  // indexed by LuckSlot
};

// Element of a grid number by its last digit: 1 2 木, 3 4 火, 5 6 土, 7 8 金, 9 0 水 (GBK).
const std::string& gridElement(int number);

// Computes all grids of a name from its characters in name order. Each part may hold one or two
// characters. A part of three or more characters counts only its first two, and its outer grid
// is then the one of a two-character part; an empty part counts as missing characters of 0
// strokes (callers reject empty parts before they get here).
FiveGrids computeFiveGrids(std::span<const CharInfo* const> surname,
                           std::span<const CharInfo* const> given, LuckSource& luck);

// The luck word of the surname's heaven grid, its characters taken from the pool table.
std::string surnameHeavenLuck(const std::string& surname, const PoolCharTable& pool,
                              LuckSource& luck);

}  // namespace qinghe
