#include "character_rules.hpp"

#include <algorithm>
#include <array>
#include <map>

namespace namedata {

std::optional<RadicalStroke> parseRadicalStroke(const std::string& value) {
    RadicalStroke rs;
    size_t i = 0;
    while (i < value.size() && isdigit(static_cast<unsigned char>(value[i]))) rs.radical = rs.radical * 10 + (value[i++] - '0');
    if (rs.radical < 1 || rs.radical > 214) return std::nullopt;
    while (i < value.size() && value[i] == '\'') {
        rs.simplified = true;
        ++i;
    }
    if (i >= value.size() || value[i] != '.') return std::nullopt;
    try {
        rs.residual = std::stoi(value.substr(i + 1));
    } catch (...) {
        return std::nullopt;
    }
    return rs;
}

int radicalFullStrokes(int radical) {
    // First radical number of each stroke count: radicals 1-6 have 1 stroke, 7-29 two, ...
    static const std::array<int, 17> firstOfCount = {1,   7,   30,  61,  95,  118, 147, 167, 176,
                                                     187, 195, 201, 205, 209, 211, 212, 214};
    int strokes = 0;
    for (int first : firstOfCount)
        if (radical >= first) ++strokes;
    return strokes;
}

int kangxiStrokes(char32_t character, const RadicalStroke& rs, int totalStrokes) {
    // In name numerology the numerals count their value, not their strokes.
    static const std::map<char32_t, int> numerals = {
        {U'一', 1}, {U'二', 2}, {U'三', 3}, {U'四', 4}, {U'五', 5},
        {U'六', 6}, {U'七', 7}, {U'八', 8}, {U'九', 9}, {U'十', 10}};
    if (auto found = numerals.find(character); found != numerals.end()) return found->second;
    if (rs.residual <= 0) return totalStrokes;
    return radicalFullStrokes(rs.radical) + rs.residual;
}

namespace {

// Tone-marked vowels and their plain letters.
const std::vector<std::pair<std::string, char>>& toneMarks() {
    static const std::vector<std::pair<std::string, char>> marks = {
        {"ā", 'a'}, {"á", 'a'}, {"ǎ", 'a'}, {"à", 'a'}, {"ē", 'e'}, {"é", 'e'}, {"ě", 'e'},
        {"è", 'e'}, {"ê", 'e'}, {"ī", 'i'}, {"í", 'i'}, {"ǐ", 'i'}, {"ì", 'i'}, {"ō", 'o'},
        {"ó", 'o'}, {"ǒ", 'o'}, {"ò", 'o'}, {"ū", 'u'}, {"ú", 'u'}, {"ǔ", 'u'}, {"ù", 'u'},
        {"ǖ", 'v'}, {"ǘ", 'v'}, {"ǚ", 'v'}, {"ǜ", 'v'}, {"ü", 'v'}, {"ń", 'n'}, {"ň", 'n'},
        {"ǹ", 'n'}, {"ḿ", 'm'}, {"m̀", 'm'}};
    return marks;
}

}  // namespace

PinyinParts splitPinyin(const std::string& toned) {
    PinyinParts parts;
    for (size_t i = 0; i < toned.size();) {
        bool replaced = false;
        for (const auto& [mark, plain] : toneMarks()) {
            if (toned.compare(i, mark.size(), mark) == 0) {
                parts.plain += plain;
                i += mark.size();
                replaced = true;
                break;
            }
        }
        if (replaced) continue;
        unsigned char c = static_cast<unsigned char>(toned[i++]);
        if (c < 0x80 && isalpha(c)) parts.plain += static_cast<char>(tolower(c));
    }
    // Longest initials first, so that zh is not read as z.
    static const std::array<const char*, 23> initials = {
        "zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g",
        "k",  "h",  "j",  "q", "x", "r", "z", "c", "s", "y", "w"};
    for (const char* initial : initials) {
        std::string i = initial;
        // "m", "n" and "ng" alone (呣, 嗯) are syllables without a vowel, not an initial.
        if (parts.plain.rfind(i, 0) == 0 && parts.plain.size() > i.size() &&
            parts.plain != "ng") {
            parts.initial = i;
            break;
        }
    }
    parts.final = parts.plain.substr(parts.initial.size());
    return parts;
}

std::string displayRadical(const RadicalStroke& rs, const std::string& radicalCharacter) {
    // Radicals that stand in most characters as a side form; a dictionary files those
    // characters under the side form. The character that is the radical itself keeps it.
    static const std::map<int, std::string> sideForms = {
        {9, "亻"},   {61, "忄"},  {64, "扌"},  {85, "氵"},  {94, "犭"},  {96, "王"},
        {113, "礻"}, {145, "衤"}, {140, "艹"}, {162, "辶"}, {170, "阝"}, {163, "阝"},
        {130, "月"}, {18, "刂"},  {122, "罒"}};
    if (rs.residual > 0 && !rs.simplified) {
        if (auto found = sideForms.find(rs.radical); found != sideForms.end()) return found->second;
    }
    return radicalCharacter;
}

std::string elementOf(const RadicalStroke& rs, const std::string& initial) {
    // Radicals whose meaning carries an element: water, wood, fire, metal, earth.
    static const std::map<int, std::string> byRadical = {
        {85, "水"},  {15, "水"},  {173, "水"}, {195, "水"}, {47, "水"},
        {75, "木"},  {140, "木"}, {115, "木"}, {118, "木"}, {119, "木"},
        {86, "火"},  {72, "火"},  {61, "火"},
        {167, "金"}, {18, "金"},  {62, "金"},
        {32, "土"},  {46, "土"},  {112, "土"}, {102, "土"}};
    if (auto found = byRadical.find(rs.radical); found != byRadical.end()) return found->second;
    // The five tones: lips 水, tongue 火, molars 木, teeth 金, throat 土.
    static const std::map<std::string, std::string> byInitial = {
        {"b", "水"}, {"p", "水"}, {"m", "水"}, {"f", "水"},
        {"d", "火"}, {"t", "火"}, {"n", "火"}, {"l", "火"},
        {"g", "木"}, {"k", "木"}, {"h", "木"},
        {"j", "金"}, {"q", "金"}, {"x", "金"}, {"zh", "金"}, {"ch", "金"}, {"sh", "金"},
        {"r", "金"}, {"z", "金"}, {"c", "金"}, {"s", "金"},
        {"y", "土"}, {"w", "土"}};
    if (auto found = byInitial.find(initial); found != byInitial.end()) return found->second;
    return "土";  // no initial: a throat sound
}

}  // namespace namedata
