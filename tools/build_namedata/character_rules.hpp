// The rules by which the data build derives a character's numerology facts from Unihan: its
// Kangxi stroke count, its radical as a modern dictionary shows it, its pinyin parts and its
// element (字意五行).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace namedata {

// A radical-stroke value such as "85.5", "120'.3" or "96.-1".
struct RadicalStroke {
    int radical = 0;        // Kangxi radical number 1..214
    bool simplified = false;  // the simplified form of the radical (纟 for 糸 ...)
    int residual = 0;       // strokes beyond the radical; 0 or less for the radical itself
};
std::optional<RadicalStroke> parseRadicalStroke(const std::string& value);

// Strokes of the full form of a Kangxi radical (氵 counts as 水, 4; 艹 as 艸, 6; 阝 as 阜 8 or
// 邑 7 by the radical number that the character is filed under).
int radicalFullStrokes(int radical);

// Kangxi stroke count for name numerology of a (traditional) character: the full radical's
// strokes plus the residual strokes; a character that is itself a radical (or a short form of
// one) counts its own total strokes; the numerals 一 to 十 count their value.
int kangxiStrokes(char32_t character, const RadicalStroke& rs, int totalStrokes);

// Pinyin pieces of a reading with tone marks, e.g. "zhāng".
struct PinyinParts {
    std::string plain;    // without tone, ü written v: "zhang"
    std::string initial;  // "zh"; empty for syllables that start with a vowel
    std::string final;    // "ang"
};
PinyinParts splitPinyin(const std::string& toned);

// The radical as a modern dictionary shows it, from the character's own radical-stroke value:
// 氵 for 河, 扌 for 打, 纟 for 红. radicalCharacter is the Unicode radical character of that
// number (its unified ideograph).
std::string displayRadical(const RadicalStroke& rs, const std::string& radicalCharacter);

// The character's element: by its meaning-bearing radical when that radical is in the table,
// otherwise by the initial of its main reading (the five tones 五音). Never empty.
std::string elementOf(const RadicalStroke& rs, const std::string& initial);

}  // namespace namedata
