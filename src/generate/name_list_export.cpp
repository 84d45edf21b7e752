#include "generate/name_list_export.hpp"

#include <filesystem>

#include "app/replace_file.hpp"

namespace qinghe {

std::string nameListExportText(const std::vector<NameListRow>& rows) {
    auto line = [](const std::array<std::string, NameListColumnCount>& columns) {
        std::string text;
        for (size_t c = 0; c < columns.size(); ++c) text += (c ? "    " : "") + columns[c];
        return text + "\r\n";
    };
    std::string text = line(nameListHeaders());
    for (const NameListRow& row : rows) {
        if (row.columns[ColNumber].empty()) break;
        text += line(row.columns);
    }
    return text;
}

bool writeExportFile(const std::string& path, const std::string& text) {
    // No folder is made for an export: a missing data folder is a failure the user is told of.
    if (!std::filesystem::is_directory(std::filesystem::path(path).parent_path())) return false;
    return replaceFile(path, text);
}

}  // namespace qinghe
