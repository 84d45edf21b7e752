// The eight-character reading of the 生辰八字 page: from the four date texts of the page's
// lists (year, month, day, hour, GBK decimal texts such as "2013", "1", "1", "0"), the text of
// the reading box with the Gregorian and lunar dates, the four pillars, their eight elements
// and the missing ones, the na-yin names and the advice for the zodiac animal of the year.
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

struct BaziReading {
    std::string failure;          // GBK message for the user when no reading was made
    std::string text;             // the reading, GBK, lines broken by CR LF
    std::string eightElements;    // the four element pairs joined, year first: "水,土,水,水,…"
    std::string missingElements;  // the missing elements in the order 金木水火土, e.g. "金木火"
    bool ok() const { return failure.empty(); }
};

// The reading of the moment, or (with every other field empty) a failure: for texts that are
// not decimal numbers, a day that does not exist in its month ("公历日期不存在，请重新选择。"),
// an hour outside 0 … 23, or a moment outside 1901-02-19 … 2048-12-31.
BaziReading baziReading(std::string_view year, std::string_view month, std::string_view day,
                        std::string_view hour);

}  // namespace qinghe
