#include "bazi/pillar_table.hpp"

#include "bazi/lunar_calendar.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

// Elements by stem (甲 … 癸) and by branch (子 … 亥).
constexpr const char* StemElements = "木木火火土土金金水水";
constexpr const char* BranchElements = "水土木木土火火土金金土水";

// One na-yin name for each pair of places: 1–2, 3–4, … 59–60.
constexpr const char* NaYin[30] = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "砂石金", "山下火", "平地木", "壁上土", "金箔金",
    "灯头火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

}  // namespace

PillarTable::PillarTable() {
    const std::string stems = gbk(StemElements);
    const std::string branches = gbk(BranchElements);
    for (int n = 1; n <= 60; ++n) {
        PillarRow& row = rows_[n - 1];
        row.place = n;
        row.name = LunarCalendar::cycleName(n);
        row.elements = stems.substr(2 * ((n - 1) % 10), 2) + "," + branches.substr(2 * ((n - 1) % 12), 2) + ",";
        row.naYin = gbk(NaYin[(n - 1) / 2]);
    }
}

const PillarTable& PillarTable::instance() {
    static const PillarTable table;
    return table;
}

const PillarRow* PillarTable::lookupPillar(std::string_view pillar) const {
    for (const PillarRow& row : rows_)
        if (row.name == pillar) return &row;
    return nullptr;
}

}  // namespace qinghe
