#include "generate/name_list_export.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>

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
    std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::remove(partial.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) std::remove(partial.c_str());
    return !error;
}

}  // namespace qinghe
