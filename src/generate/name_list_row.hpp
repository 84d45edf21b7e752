// NameListRow: the eight text columns of every scored name list (results, saved names, the
// scoring tab) and of the exported files.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/name_score.hpp"

namespace qinghe {

enum NameListColumn : int {
    ColNumber, ColName, ColSimplifiedStrokes, ColKangxiStrokes, ColElements, ColGrids, ColTalents,
    ColScore, NameListColumnCount
};

struct NameListRow {
    std::array<std::string, NameListColumnCount> columns;  // GBK
};

// Column headers (GBK): 编号 姓名 简体笔划 繁体笔划 五行 五格 三才 评分.
const std::array<std::string, NameListColumnCount>& nameListHeaders();
// Column widths in pixels, as the lists show them.
const std::array<int, NameListColumnCount>& nameListWidths();

// The five grid numbers as the 五格 column shows them: 天格,人格,地格,总格,外格.
std::string gridNumbersText(const FiveGrids& grids);

// A row for a scored name: number, name, strokes, elements, grids, talents and score.
NameListRow makeNameListRow(int number, const std::string& name, const NameScore& score);

// Orders rows by their 评分, highest first, rows of equal score keeping their order, and then
// numbers them from 1.
void sortRowsByScore(std::vector<NameListRow>& rows);

}  // namespace qinghe
