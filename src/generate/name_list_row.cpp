#include "generate/name_list_row.hpp"

#include <algorithm>
#include <cstdlib>

#include "store/gbk_text.hpp"

namespace qinghe {

const std::array<std::string, NameListColumnCount>& nameListHeaders() {
    static const std::array<std::string, NameListColumnCount> headers = {
        gbk("编号"), gbk("姓名"), gbk("简体笔划"), gbk("繁体笔划"),
        gbk("五行"), gbk("五格"), gbk("三才"),     gbk("评分")};
    return headers;
}

const std::array<int, NameListColumnCount>& nameListWidths() {
    static const std::array<int, NameListColumnCount> widths = {60, 70, 80, 80, 70, 120, 50, 70};
    return widths;
}

std::string gridNumbersText(const FiveGrids& g) {
    return std::to_string(g.heaven) + "," + std::to_string(g.person) + "," +
           std::to_string(g.earth) + "," + std::to_string(g.total) + "," + std::to_string(g.outer);
}

NameListRow makeNameListRow(int number, const std::string& name, const NameScore& score) {
    const FiveGrids& g = score.grids;
    return {{std::to_string(number), name, std::to_string(g.simplifiedTotal),
             std::to_string(g.total), g.elements, gridNumbersText(g), g.talents,
             std::to_string(score.score)}};
}

void sortRowsByScore(std::vector<NameListRow>& rows) {
    // Sort positions by a key read once, then move each row once: rows are large, and lists
    // reach 100,000 of them.
    std::vector<std::pair<int, size_t>> keys;
    keys.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keys.emplace_back(std::atoi(rows[i].columns[ColScore].c_str()), i);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<NameListRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& key : keys) sorted.push_back(std::move(rows[key.second]));
    for (size_t i = 0; i < sorted.size(); ++i) sorted[i].columns[ColNumber] = std::to_string(i + 1);
    rows = std::move(sorted);
}

}  // namespace qinghe
