// Reader of the record files in data/content (surnames, the 81 numbers, the three talents):
// 【key】 starts a record, "field：value" starts a field, other lines continue the field as new
// paragraphs, "#" starts a comment.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace namedata {

struct Record {
    std::string key;
    std::map<std::string, std::string> fields;  // paragraphs joined by "<br>"
    const std::string& field(const std::string& name) const;
};

// Parses a record file's text. Only the names in fieldNames start fields. Throws
// std::runtime_error (with the source name and line) on text before the first record, on a
// field that repeats, and on a record that lacks one of the fields.
std::vector<Record> parseRecords(const std::string& text, const std::vector<std::string>& fieldNames,
                                 const std::string& sourceName);

std::string readTextFile(const std::filesystem::path& file);

}  // namespace namedata
