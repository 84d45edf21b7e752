#include "poem_tables.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <stdexcept>

#include "record_file.hpp"
#include "utf8.hpp"

namespace namedata {

std::string nameCharacterMarks(const std::string& content, const std::set<std::string>& nameCharacters) {
    std::string marks;
    std::set<std::string> seen;
    for (const std::string& c : utf8Characters(content))
        if (nameCharacters.count(c) && seen.insert(c).second) marks += c;
    return marks;
}

PoemCounts buildPoemTables(const std::filesystem::path& folder, const std::set<std::string>& nameCharacters,
                           const OpenccConverter& toSimplified, DataFile& file) {
    // The files are numbered by their first poem (poet.tang.0.json, poet.tang.1000.json ...);
    // reading them in that order keeps the poems in the order of the collection.
    std::vector<std::pair<long, std::filesystem::path>> sources;
    if (std::filesystem::is_directory(folder)) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::string name = entry.path().filename().string();
            if (name.rfind("poet.tang.", 0) != 0 || !name.ends_with(".json")) continue;
            sources.emplace_back(std::stol(name.substr(10)), entry.path());
        }
    }
    if (sources.empty())
        throw std::runtime_error("the Tang poems are missing: no poet.tang.*.json in " + folder.string() +
                                 " (run npm ci to install the npm package chinese-poetry)");
    std::sort(sources.begin(), sources.end());

    PoemCounts counts;
    std::map<std::string, long long> poemsByPoet;
    std::vector<std::string> poetOrder;
    for (const auto& [first, source] : sources) {
        nlohmann::json poems = nlohmann::json::parse(readTextFile(source));
        for (const auto& poem : poems) {
            std::string title = toSimplified.convert(poem.value("title", ""));
            std::string author = toSimplified.convert(poem.value("author", ""));
            std::string content;
            for (const auto& line : poem.value("paragraphs", nlohmann::json::array()))
                if (line.is_string()) content += line.get<std::string>();
            content = toSimplified.convert(content);
            if (content.empty()) continue;
            file.insert("QH_全唐诗", {++counts.poems, title, author, content,
                                      nameCharacterMarks(content, nameCharacters),
                                      static_cast<long long>(codePoints(content).size())});
            if (poemsByPoet[author]++ == 0) poetOrder.push_back(author);
        }
    }
    std::vector<std::string> ranked = poetOrder;
    std::stable_sort(ranked.begin(), ranked.end(), [&](const std::string& a, const std::string& b) {
        return poemsByPoet[a] > poemsByPoet[b];
    });
    std::map<std::string, long long> rank;
    for (size_t i = 0; i < ranked.size(); ++i) rank[ranked[i]] = static_cast<long long>(i + 1);
    for (size_t i = 0; i < poetOrder.size(); ++i) {
        const std::string& poet = poetOrder[i];
        file.insert("QH_Poet", {static_cast<long long>(i + 1), poet, std::to_string(poemsByPoet[poet]), rank[poet]});
    }
    counts.poets = static_cast<long long>(poetOrder.size());
    return counts;
}

}  // namespace namedata
