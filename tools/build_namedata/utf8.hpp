// Small UTF-8 helpers of the data build.
#pragma once

#include <string>
#include <vector>

namespace namedata {

std::string utf8Of(char32_t cp);
// The code points of a UTF-8 text (invalid bytes are skipped).
std::u32string codePoints(const std::string& utf8);
// The characters of a UTF-8 text, one string each.
std::vector<std::string> utf8Characters(const std::string& utf8);

}  // namespace namedata
