// Conversion between GBK (code page 936), the text form used everywhere inside the program, and
// UTF-8, the form of the database file, the terminal and Qt. Characters that GBK cannot hold
// become "?"; input that is not valid in its own encoding converts to the empty text.
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

// UTF-8 to GBK. Code points outside GBK become "?"; invalid UTF-8 gives "".
std::string utf8ToGbk(std::string_view utf8);

// GBK to UTF-8. A byte sequence that is not GBK gives "".
std::string gbkToUtf8(std::string_view gbk);

// True when the text is well-formed UTF-8 (no overlongs, no surrogates, nothing above U+10FFFF).
bool isValidUtf8(std::string_view text);

// GBK form of a UTF-8 literal of the program's own source, for constants.
inline std::string gbk(std::string_view utf8) { return utf8ToGbk(utf8); }

}  // namespace qinghe
