#include "record_file.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace namedata {

const std::string& Record::field(const std::string& name) const {
    static const std::string empty;
    auto found = fields.find(name);
    return found == fields.end() ? empty : found->second;
}

std::string readTextFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

namespace {

std::string trim(const std::string& text) {
    const char* blanks = " \t\r";
    size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos) return "";
    // Full-width spaces at either end are layout, not text.
    std::string t = text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
    const std::string ideographicSpace = "\u3000";
    while (t.rfind(ideographicSpace, 0) == 0) t.erase(0, ideographicSpace.size());
    while (t.size() >= 3 && t.compare(t.size() - 3, 3, ideographicSpace) == 0) t.erase(t.size() - 3);
    return t;
}

}  // namespace

std::vector<Record> parseRecords(const std::string& text, const std::vector<std::string>& fieldNames,
                                 const std::string& sourceName) {
    std::vector<Record> records;
    std::string* current = nullptr;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& why) {
        throw std::runtime_error(sourceName + ":" + std::to_string(number) + ": " + why);
    };
    while (std::getline(lines, line)) {
        ++number;
        std::string t = trim(line);
        if (t.empty() || t[0] == '#') continue;
        if (t.rfind("【", 0) == 0 && t.size() > 6 && t.compare(t.size() - 3, 3, "】") == 0) {
            records.push_back({trim(t.substr(3, t.size() - 6)), {}});
            current = nullptr;
            continue;
        }
        if (records.empty()) fail("text before the first 【key】");
        bool started = false;
        for (const std::string& name : fieldNames) {
            for (const char* colon : {"：", ":"}) {
                std::string prefix = name + colon;
                if (t.rfind(prefix, 0) != 0) continue;
                if (records.back().fields.count(name)) fail("field " + name + " given twice");
                current = &records.back().fields[name];
                *current = trim(t.substr(prefix.size()));
                started = true;
                break;
            }
            if (started) break;
        }
        if (started) continue;
        if (!current) fail("a line that belongs to no field");
        if (!current->empty()) *current += "<br>";
        *current += t;
    }
    for (const Record& r : records)
        for (const std::string& name : fieldNames)
            if (!r.fields.count(name))
                throw std::runtime_error(sourceName + ": record 【" + r.key + "】 has no field " + name);
    return records;
}

}  // namespace namedata
