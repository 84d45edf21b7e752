// One character's attributes from the character table, and the rule that decides whether the
// program may use it.
#pragma once

#include <string>

#include "store/name_database.hpp"

namespace qinghe {

struct CharInfo {
    std::string character;            // the text looked up, also when the table has no row
    std::string traditional;
    int simplifiedStrokes = 0;
    int kangxiStrokes = 0;
    std::string pinyin1;              // main reading without tone
    std::string pinyin;               // readings as shown to the user
    std::string initial;              // pinyin initial
    std::string radical;
    std::string element;              // 金 木 水 火 土, or empty
    std::string basicExplanation;
    std::string detailedExplanation;
};

// Which columns a lookup reads: a reader reads only what it needs (the generators need the
// strokes and the element, and skip converting the long explanations).
enum class CharFields { All, StrokesAndElement };

// Reads the row of the character table whose 汉字 equals ch. No row gives empty texts and zero
// counts (only character is set). The value is bound, so any text may be looked up.
CharInfo lookupCharacter(NameDatabase& db, const std::string& ch, CharFields fields = CharFields::All);

// A row exists with an element and a simplified stroke count other than 0.
bool isUsable(const CharInfo& info);

}  // namespace qinghe
