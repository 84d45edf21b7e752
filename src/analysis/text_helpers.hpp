// Small text operations shared by the whole program. All texts are GBK: a Chinese character is
// two bytes, an ASCII character one.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace qinghe {

// Cuts a text into its characters: a byte above 122 starts a two-byte character (so the ASCII
// bytes { | } ~ and 127 also take the byte after them); any other byte is a character of its own,
// spaces included. A text made only of half- and full-width spaces gives the empty list.
std::vector<std::string> splitCharacters(const std::string& text);

// Forward Fisher-Yates shuffle, reseeded from the clock at every call.
void shuffleList(std::vector<std::string>& list);
// The same shuffle with a generator of the caller's, for repeatable runs.
void shuffleList(std::vector<std::string>& list, std::mt19937& random);

// The GB2312 Chinese characters of a text, in their order; spaces, letters, punctuation and
// GBK-only characters are dropped.
std::string keepGb2312Hanzi(const std::string& text);

// True when the text, spaces removed, starts with a GB2312 Chinese character (first byte
// 0xB0-0xF7, second byte 0xA1-0xFE).
bool isGb2312Hanzi(const std::string& text);

// The text without its half-width spaces and full-width spaces (0xA1 0xA1).
std::string removeSpaces(const std::string& text);

}  // namespace qinghe
