#include "text_tables.hpp"

#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>

#include "record_file.hpp"
#include "utf8.hpp"

namespace namedata {
namespace {

const std::vector<std::string> kNumberFields = {"吉凶", "解释一", "解释二", "解释三", "基业",
                                                "家庭", "健康", "含义", "数理暗示"};
const std::vector<std::string> kTalentFields = {
    "吉凶", "解释一", "解释二", "总论", "性格", "意志", "事业", "家庭", "婚姻", "子女",
    "社交", "精神", "财运", "健康", "老运", "对基础运的影响", "对成功运的影响",
    "对人际关系的影响", "对性格的影响"};
const std::vector<std::string> kSurnameFields = {"姓氏起源", "聚集地", "历史名人"};

std::vector<Record> readRecords(const std::filesystem::path& file, const std::vector<std::string>& fields) {
    return parseRecords(readTextFile(file), fields, file.string());
}

void requireLuck(const Record& r, const std::string& source) {
    if (!isLuckWord(r.field("吉凶")))
        throw std::runtime_error(source + ": 【" + r.key + "】 has the luck word '" + r.field("吉凶") +
                                 "', not one of 大吉 吉 中 凶 大凶");
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> parts;
    std::stringstream s(line);
    for (std::string part; std::getline(s, part, '\t');) parts.push_back(part);
    if (!line.empty() && line.back() == '\t') parts.push_back("");
    return parts;
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

bool isLuckWord(const std::string& word) {
    static const std::set<std::string> words = {"大吉", "吉", "中", "凶", "大凶"};
    return words.count(word) != 0;
}

void buildNumberTable(const std::filesystem::path& content, DataFile& file) {
    auto source = content / "numbers81.txt";
    if (!std::filesystem::exists(source)) return;
    std::vector<Record> records = readRecords(source, kNumberFields);
    std::vector<const Record*> byNumber(82, nullptr);
    for (const Record& r : records) {
        int n = std::atoi(r.key.c_str());
        if (n < 1 || n > 81 || std::to_string(n) != r.key || byNumber[n])
            throw std::runtime_error(source.string() + ": bad or repeated number 【" + r.key + "】");
        requireLuck(r, source.string());
        byNumber[n] = &r;
    }
    for (int n = 1; n <= 81; ++n)
        if (!byNumber[n]) throw std::runtime_error(source.string() + ": number " + std::to_string(n) + " is missing");
    // Totals of long names go past 81; tradition reads such a number as n - 80.
    for (int n = 1; n <= 160; ++n) {
        const Record& r = *byNumber[n > 81 ? n - 80 : n];
        std::vector<Value> row{static_cast<long long>(n)};
        for (const std::string& f : kNumberFields) row.push_back(r.field(f));
        file.insert("QH_八一灵动数", row);
    }
}

void buildTalentTable(const std::filesystem::path& content, DataFile& file) {
    auto source = content / "three_talents.txt";
    if (!std::filesystem::exists(source)) return;
    std::vector<Record> records = readRecords(source, kTalentFields);
    const std::vector<std::string> elements = {"木", "火", "土", "金", "水"};
    std::set<std::string> expected, seen;
    for (const auto& a : elements)
        for (const auto& b : elements)
            for (const auto& c : elements) expected.insert(a + b + c);
    long long id = 0;
    for (const Record& r : records) {
        if (!expected.count(r.key) || !seen.insert(r.key).second)
            throw std::runtime_error(source.string() + ": bad or repeated configuration 【" + r.key + "】");
        requireLuck(r, source.string());
        std::vector<Value> row{++id, r.key};
        for (const std::string& f : kTalentFields) row.push_back(r.field(f));
        file.insert("QH_三才配置", row);
    }
    if (seen.size() != expected.size())
        throw std::runtime_error(source.string() + ": " + std::to_string(expected.size() - seen.size()) +
                                 " of the 125 configurations are missing");
}

void buildSurnameTable(const std::filesystem::path& content, DataFile& file) {
    auto folder = content / "surnames";
    if (!std::filesystem::is_directory(folder)) return;
    std::vector<std::filesystem::path> sources;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".txt") sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());
    std::set<std::string> seen;
    long long id = 0;
    for (const auto& source : sources) {
        for (const Record& r : readRecords(source, kSurnameFields)) {
            if (!seen.insert(r.key).second)
                throw std::runtime_error(source.string() + ": surname 【" + r.key + "】 appears twice");
            file.insert("QH_百家姓", {++id, r.key, r.field("姓氏起源"), r.field("聚集地"), r.field("历史名人")});
        }
    }
}

void buildEnglishNameTable(const std::filesystem::path& content, DataFile& file) {
    auto source = content / "english_names.tsv";
    if (!std::filesystem::exists(source)) return;
    std::istringstream lines(readTextFile(source));
    std::string line;
    std::getline(lines, line);  // header
    std::set<std::string> seen;
    long long id = 0;
    int number = 1;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> f = splitTabs(line);
        auto fail = [&](const std::string& why) {
            throw std::runtime_error(source.string() + ":" + std::to_string(number) + ": " + why);
        };
        if (f.size() != 6) fail("expected 6 tab-separated fields");
        const std::string& name = f[0];
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](unsigned char c) { return isalpha(c); }))
            fail("a name is made of letters only");
        if (!seen.insert(lower(name)).second) fail(name + " appears twice");
        if (f[1] != "1" && f[1] != "2" && f[1] != "3") fail("Sex must be 1, 2 or 3");
        std::string key = lower(name.substr(0, 2));
        static const std::set<std::string> twoLetterKeys = {"ch", "sh", "th", "zh"};
        std::string index2 = twoLetterKeys.count(key) ? key : "";
        file.insert("QH_EName", {++id, lower(name.substr(0, 1)), index2, name,
                                 std::to_string(name.size()), static_cast<long long>(std::stoi(f[1])),
                                 f[2], f[5], f[3], f[4]});
    }
}

void buildArticleTables(const std::filesystem::path& content, DataFile& file) {
    for (const char* table : {"育儿百科", "算命风水"}) {
        auto folder = content / "articles" / table;
        if (!std::filesystem::is_directory(folder)) continue;
        std::vector<std::filesystem::path> sources;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".txt") sources.push_back(entry.path());
        std::sort(sources.begin(), sources.end());
        std::set<std::string> titles;
        long long id = 0;
        for (const auto& source : sources) {
            std::istringstream lines(readTextFile(source));
            std::string line, categoryId, category, title, body;
            auto flush = [&] {
                if (title.empty()) return;
                if (!titles.insert(title).second)
                    throw std::runtime_error(source.string() + ": the title " + title + " is used twice");
                if (categoryId.empty() || category.empty())
                    throw std::runtime_error(source.string() + ": 分类ID and 分类标题 must come first");
                while (!body.empty() && (body.back() == '\n' || body.back() == ' ')) body.pop_back();
                file.insert(std::string("QH_") + table, {++id, categoryId, category, title, body});
                title.clear();
                body.clear();
            };
            while (std::getline(lines, line)) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (title.empty() && line.rfind("分类ID:", 0) == 0) {
                    categoryId = line.substr(line.find(':') + 1);
                    categoryId.erase(0, categoryId.find_first_not_of(' '));
                } else if (title.empty() && line.rfind("分类标题:", 0) == 0) {
                    category = line.substr(line.find(':') + 1);
                    category.erase(0, category.find_first_not_of(' '));
                } else if (line.rfind("== ", 0) == 0 && line.size() > 6 && line.compare(line.size() - 3, 3, " ==") == 0) {
                    flush();
                    title = line.substr(3, line.size() - 6);
                } else if (!title.empty()) {
                    body += line + "\n";
                }
            }
            flush();
        }
    }
}

}  // namespace namedata
