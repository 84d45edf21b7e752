#include "analysis/text_helpers.hpp"

#include <chrono>

namespace qinghe {

std::string removeSpaces(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (b == ' ') continue;
        if (b == 0xA1 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA1) {
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

std::vector<std::string> splitCharacters(const std::string& text) {
    std::vector<std::string> characters;
    if (removeSpaces(text).empty()) return characters;
    for (size_t i = 0; i < text.size();) {
        size_t length = static_cast<unsigned char>(text[i]) > 122 && i + 1 < text.size() ? 2 : 1;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

void shuffleList(std::vector<std::string>& list, std::mt19937& random) {
    // Positions counted from 0 here: for k = 0 .. n-2 swap k with a position drawn from k .. n-1.
    for (size_t k = 0; k + 1 < list.size(); ++k) {
        std::uniform_int_distribution<size_t> pick(k, list.size() - 1);
        std::swap(list[k], list[pick(random)]);
    }
}

void shuffleList(std::vector<std::string>& list) {
    std::mt19937 random(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    shuffleList(list, random);
}

bool isGb2312Hanzi(const std::string& text) {
    std::string s = removeSpaces(text);
    if (s.size() < 2) return false;
    unsigned char first = static_cast<unsigned char>(s[0]);
    unsigned char second = static_cast<unsigned char>(s[1]);
    return first >= 0xB0 && first <= 0xF7 && second >= 0xA1 && second <= 0xFE;
}

std::string keepGb2312Hanzi(const std::string& text) {
    std::string s = removeSpaces(text);
    std::string kept;
    for (size_t i = 0; i < s.size();) {
        size_t length = static_cast<unsigned char>(s[i]) >= 0x80 && i + 1 < s.size() ? 2 : 1;
        std::string character = s.substr(i, length);
        if (isGb2312Hanzi(character)) kept += character;
        i += length;
    }
    return kept;
}

}  // namespace qinghe
