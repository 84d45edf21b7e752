// The name score (0 to 100) from the six luck words, and the advice that goes with it.
#pragma once

#include <array>
#include <string>

#include "analysis/five_grids.hpp"
#include "analysis/pool_char_table.hpp"

namespace qinghe {

struct NameScore {
    FiveGrids grids;
    float value = 0;   // the weighted sum before truncation
    int score = 0;     // value truncated toward zero
    std::string advice;  // filled by analyseName only
};

struct ScoreValue {
    float value = 0;
    int score = 0;
};

// Weighs the six luck words (heaven 5, person 30, earth 20, total 20, outer 10, talents 15) by
// their factors: 大吉 and 吉 1, 中 0.85, 凶 0.6, 大凶 0.3, anything else 0.
ScoreValue scoreValue(const std::array<std::string, 6>& luck);

// The advice text (GBK) of a score: bands at 90, 80, 70 and 60.
const std::string& adviceFor(int score);

// Scores a name whose characters come from the generation job's pool table; no advice.
NameScore scoreName(const std::string& surname, const std::string& given,
                    const PoolCharTable& pool, LuckSource& luck);

// Scores a name for the report and the scoring tab: characters from the character table, used
// only when usable; a single-character surname 于 counts its simplified strokes as Kangxi
// strokes. Fills the advice.
NameScore analyseName(NameDatabase& db, const std::string& surname, const std::string& given);

}  // namespace qinghe
