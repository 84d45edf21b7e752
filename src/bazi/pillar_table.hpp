// PillarTable: the sixty pillars of the cycle with the five elements of their stem and branch
// and their na-yin (纳音) names. GBK texts.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qinghe {

struct PillarRow {
    int place = 0;          // 1 … 60
    std::string name;       // e.g. 甲子
    std::string elements;   // stem element, ",", branch element, ",": e.g. "木,水,"
    std::string naYin;      // e.g. 海中金 (shared by places 2k − 1 and 2k)
};

class PillarTable {
public:
    PillarTable();  // builds the sixty rows
    static const PillarTable& instance();

    // The row whose name equals the pillar exactly, trying places 1, 2, … 60 in turn; null
    // when none does (the empty pillar matches nothing).
    const PillarRow* lookupPillar(std::string_view pillar) const;

private:
    std::array<PillarRow, 60> rows_;
};

inline const PillarRow* lookupPillar(std::string_view pillar) {
    return PillarTable::instance().lookupPillar(pillar);
}

}  // namespace qinghe
