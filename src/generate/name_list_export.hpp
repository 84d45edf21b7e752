// The text files that the export buttons write: GBK, CR LF line ends.
#pragma once

#include <string>
#include <vector>

#include "generate/name_list_row.hpp"

namespace qinghe {

// The header line and one line per row, columns separated by four spaces; stops at the first
// row whose 编号 is empty (the unfilled rows of a paused job).
std::string nameListExportText(const std::vector<NameListRow>& rows);

// Writes text to path, replacing the file: a new file is written and renamed over the old one,
// so a failed export never leaves a half-written list. Returns false when it cannot be written.
bool writeExportFile(const std::string& path, const std::string& text);

}  // namespace qinghe
