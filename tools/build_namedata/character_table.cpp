#include "character_table.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <sstream>

#include "character_rules.hpp"
#include "record_file.hpp"
#include "store/gbk_text.hpp"
#include "utf8.hpp"

namespace namedata {
namespace {

// Characters that are their own traditional form in names, although OpenCC's first candidate
// is another character (余 the surname, not 餘; 范 not 範; 岳 not 嶽 ...).
const std::set<std::string>& ownTraditionalForms() {
    static const std::set<std::string> forms = {"余", "后", "范", "岳", "郁", "干",
                                                "台", "朴", "党", "里", "征", "涂"};
    return forms;
}

// Radical number (with the simplified flag) -> its unified ideograph, from CJKRadicals.txt.
std::map<std::pair<int, bool>, std::string> readRadicalCharacters(const std::filesystem::path& file) {
    std::map<std::pair<int, bool>, std::string> radicals;
    std::istringstream lines(readTextFile(file));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> parts;
        std::stringstream fields(line);
        for (std::string part; std::getline(fields, part, ';');) {
            part.erase(0, part.find_first_not_of(' '));
            parts.push_back(part);
        }
        if (parts.size() < 3 || parts[2].empty()) continue;
        auto rs = parseRadicalStroke(parts[0] + ".1");
        if (!rs) continue;
        radicals[{rs->radical, rs->simplified}] = utf8Of(static_cast<char32_t>(std::stoul(parts[2], nullptr, 16)));
    }
    return radicals;
}

std::vector<int> strokeValues(const std::string& value) {
    std::vector<int> values;
    std::stringstream s(value);
    for (int v; s >> v;) values.push_back(v);
    return values;
}

// Readings with tone marks, the most usual first: kMandarin, then the readings of the modern
// dictionary (kXHC1983), or of the large dictionary (kHanyuPinyin) when the modern one has none.
std::vector<std::string> readingsOf(const UnihanEntry& entry) {
    std::vector<std::string> readings;
    auto add = [&](const std::string& r) {
        if (!r.empty() && std::find(readings.begin(), readings.end(), r) == readings.end())
            readings.push_back(r);
    };
    std::stringstream mandarin(entry.get("kMandarin"));
    for (std::string r; mandarin >> r;) add(r);
    for (const char* field : {"kXHC1983", "kHanyuPinyin"}) {
        std::stringstream s(entry.get(field));
        bool any = false;
        for (std::string item; s >> item;) {
            std::stringstream list(item.substr(item.find(':') + 1));
            for (std::string r; std::getline(list, r, ',');) {
                add(r);
                any = true;
            }
        }
        if (any) break;
    }
    if (readings.size() > 3) readings.resize(3);
    return readings;
}

bool allGb2312(const std::string& utf8) {
    for (const std::string& c : utf8Characters(utf8)) {
        std::string g = qinghe::utf8ToGbk(c);
        if (g.size() != 2 || static_cast<unsigned char>(g[0]) < 0xB0 || static_cast<unsigned char>(g[0]) > 0xF7 ||
            static_cast<unsigned char>(g[1]) < 0xA1)
            return false;
    }
    return true;
}

std::string join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) out += (i ? separator : "") + parts[i];
    return out;
}

}  // namespace

std::string traditionalForm(const std::string& character, const OpenccConverter& toTraditional) {
    if (ownTraditionalForms().count(character)) return character;
    std::string converted = toTraditional.convert(character);
    return codePoints(converted).size() == 1 ? converted : character;
}

std::string commonWordsText(const std::string& character, const std::string& explanationJson,
                            const FrequencyOf& frequency) {
    nlohmann::json words = nlohmann::json::parse(explanationJson, nullptr, false);
    if (!words.is_object()) return "";
    struct Word {
        std::string text, sense;
        int rank;
        size_t order;
    };
    std::vector<Word> candidates;
    size_t order = 0;
    for (auto it = words.begin(); it != words.end(); ++it, ++order) {
        if (!it.value().is_string()) continue;
        std::string word = it.key();
        size_t length = codePoints(word).size();
        if (length < 2 || length > 4 || !allGb2312(word) || word.find(character) == std::string::npos) continue;
        // The first sense, without its number.
        std::string sense = it.value().get<std::string>();
        sense = sense.substr(0, sense.find('\n'));
        if (sense.rfind("1.", 0) == 0) sense.erase(0, 2);
        while (!sense.empty() && (sense.back() == ' ' || sense.back() == '\r')) sense.pop_back();
        if (sense.empty()) continue;
        std::u32string senseChars = codePoints(sense);
        if (senseChars.size() > 40) {
            size_t cut = sense.find("。");
            if (cut == std::string::npos || cut > 120) continue;
            sense = sense.substr(0, cut + 3);
        }
        bool reference = sense.rfind("同\"", 0) == 0 || sense.rfind("见\"", 0) == 0 || sense.rfind("犹", 0) == 0;
        int rarity = 0;
        for (char32_t cp : codePoints(word))
            if (utf8Of(cp) != character) rarity += frequency(cp);
        int rank = (reference ? 1000 : 0) + (length == 2 ? 0 : 100) + rarity;
        candidates.push_back({word, sense, rank, order});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Word& a, const Word& b) { return a.rank < b.rank; });
    std::vector<std::string> lines;
    for (size_t i = 0; i < candidates.size() && lines.size() < 10; ++i)
        lines.push_back(candidates[i].text + "：" + candidates[i].sense);
    return join(lines, "<br>");
}

std::set<std::string> buildCharacterTable(const CharacterSources& sources, DataFile& file) {
    auto radicals = readRadicalCharacters(sources.cjkRadicalsFile);
    FrequencyOf frequencyOf = [&](char32_t cp) {
        auto found = sources.unihan.find(cp);
        if (found == sources.unihan.end() || found->second.get("kFrequency").empty()) return 6;
        return std::atoi(found->second.get("kFrequency").c_str());
    };
    std::set<std::string> written;
    long long id = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            std::string gbkBytes{static_cast<char>(lead), static_cast<char>(trail)};
            std::string ch = qinghe::gbkToUtf8(gbkBytes);
            std::u32string cps = codePoints(ch);
            if (cps.size() != 1) continue;
            auto found = sources.unihan.find(cps[0]);
            if (found == sources.unihan.end()) continue;
            const UnihanEntry& entry = found->second;
            std::vector<int> totals = strokeValues(entry.get("kTotalStrokes"));
            auto ownRs = parseRadicalStroke(firstValue(entry.get("kRSUnicode")));
            if (totals.empty() || !ownRs) continue;

            std::string traditional = traditionalForm(ch, sources.toTraditional);
            const UnihanEntry* tradEntry = &entry;
            if (auto t = sources.unihan.find(codePoints(traditional)[0]); t != sources.unihan.end())
                tradEntry = &t->second;
            std::string tradRsText = firstValue(tradEntry->get("kRSKangXi"));
            if (tradRsText.empty()) tradRsText = firstValue(tradEntry->get("kRSUnicode"));
            auto tradRs = parseRadicalStroke(tradRsText);
            std::vector<int> tradTotals = strokeValues(tradEntry->get("kTotalStrokes"));
            int tradTotal = tradTotals.empty() ? totals.back() : tradTotals.back();
            int kangxi = tradRs ? kangxiStrokes(codePoints(traditional)[0], *tradRs, tradTotal) : tradTotal;

            std::vector<std::string> readings = readingsOf(entry);
            PinyinParts main = readings.empty() ? PinyinParts{} : splitPinyin(readings[0]);
            std::string radicalChar = radicals.count({ownRs->radical, ownRs->simplified})
                                          ? radicals[{ownRs->radical, ownRs->simplified}]
                                          : radicals[{ownRs->radical, false}];
            std::string radical = displayRadical(*ownRs, radicalChar);
            std::string element = elementOf(*ownRs, main.initial);

            std::string basic = "读音：" + (readings.empty() ? std::string("（未收录）") : join(readings, "，")) +
                                "；部首：" + radical + "；笔画：" + std::to_string(totals.front()) +
                                "画（康熙字典" + std::to_string(kangxi) + "画）";
            if (traditional != ch) basic += "；繁体：" + traditional;
            basic += "；五行：" + element + "。";
            if (!entry.get("kDefinition").empty()) basic += "<br>英文释义（Unihan）：" + entry.get("kDefinition");

            std::string detailed;
            auto explanation = sources.explanationFolder / (ch + ".json");
            if (std::filesystem::exists(explanation))
                detailed = commonWordsText(ch, readTextFile(explanation), frequencyOf);

            file.insert("QH_CNWord",
                        {++id, static_cast<long long>(lead * 256 + trail), ch, ch, traditional,
                         static_cast<long long>(totals.front()), static_cast<long long>(kangxi),
                         main.plain, join(readings, ","), main.initial, main.final, radical,
                         element, std::string(), basic, detailed});
            written.insert(ch);
        }
    }
    return written;
}

}  // namespace namedata
