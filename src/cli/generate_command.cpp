// qinghe-cli generate: runs a generation mode without a window and prints its list.
#include <iostream>
#include <map>
#include <set>
#include <ostream>

#include "cli/cli_command.hpp"
#include "generate/generation_job.hpp"
#include "generate/recorded_window.hpp"
#include "store/gbk_text.hpp"

namespace qinghe::cli {
namespace {

struct ModeName {
    const char* name;
    GenerationMode mode;
    ResultList list;
};
const ModeName kModes[] = {
    {"high", GenerationMode::HighScore, ResultList::HighScore},
    {"classic", GenerationMode::Classic, ResultList::HighScore},
    {"super", GenerationMode::SuperAuspicious, ResultList::SuperAuspicious},
    {"combination", GenerationMode::Combination, ResultList::Combination},
    {"nickname", GenerationMode::Nickname, ResultList::Nickname},
};

const std::pair<const char*, NicknamePattern> kPatterns[] = {
    {"AA", NicknamePattern::Double}, {"小A", NicknamePattern::XiaoPrefix},
    {"A儿", NicknamePattern::ErSuffix}, {"阿A", NicknamePattern::APrefix}};

// The four element filters: option name and master box.
const std::pair<const char*, int> kFilters[] = {
    {"--second", 0}, {"--third", 1}, {"--all-required", 2}, {"--all-forbidden", 3}};

std::array<bool, 5> elementBoxes(const std::string& utf8, const std::string& option) {
    static const char* const elements[] = {"金", "木", "水", "火", "土"};
    std::array<bool, 5> boxes{};
    for (size_t i = 0; i < utf8.size(); i += 3) {
        std::string c = utf8.substr(i, 3);
        bool known = false;
        for (size_t e = 0; e < 5; ++e) {
            if (c == elements[e]) {
                boxes[e] = true;
                known = true;
            }
        }
        if (!known) throw UsageError(option + " takes elements of 金木水火土, not '" + utf8 + "'");
    }
    return boxes;
}

}  // namespace

int runGenerate(CliContext& context, const std::vector<std::string>& args) {
    if (args.empty()) throw UsageError("usage: qinghe-cli generate high|classic|super|combination|nickname [options]");
    const ModeName* mode = nullptr;
    for (const ModeName& m : kModes)
        if (args[0] == m.name) mode = &m;
    if (!mode) throw UsageError("unknown mode '" + args[0] + "' (high, classic, super, combination, nickname)");

    std::map<std::string, std::string> options;
    static const std::set<std::string> known = {"--surname", "--sex", "--length", "--gen-char", "--gen-pos",
                                                "--chars", "--nickname", "--second", "--third",
                                                "--all-required", "--all-forbidden", "--seed"};
    for (size_t i = 1; i < args.size(); i += 2) {
        if (!known.count(args[i])) throw UsageError("unknown option '" + args[i] + "'");
        if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
        if (!isValidUtf8(args[i + 1])) throw UsageError(args[i] + " is not valid UTF-8 text");
        options[args[i]] = args[i + 1];
    }

    RecordedWindow window;
    if (!options.count("--surname")) throw UsageError("--surname is required");
    window.inputs.surname = gbkArgument(options["--surname"], "the surname");
    std::string sex = options.count("--sex") ? options["--sex"] : "男";
    if (sex != "男" && sex != "女") throw UsageError("--sex is 男 or 女");
    window.inputs.sex = utf8ToGbk(sex);
    std::string length = options.count("--length") ? options["--length"] : "2";
    if (length != "1" && length != "2") throw UsageError("--length is 1 or 2");
    window.inputs.nameLength = std::stoi(length);
    window.inputs.combinationText = utf8ToGbk(options["--chars"]);
    if (mode->mode == GenerationMode::Combination && options["--chars"].empty())
        throw UsageError("the combination mode needs --chars with the characters to combine");
    if (options.count("--nickname")) {
        bool found = false;
        for (const auto& [name, pattern] : kPatterns) {
            if (options["--nickname"] == name) {
                window.inputs.nicknamePattern = pattern;
                found = true;
            }
        }
        if (!found) throw UsageError("--nickname is AA, 小A, A儿 or 阿A");
    }
    bool anyFilter = false;
    for (const auto& [option, master] : kFilters) {
        if (!options.count(option)) continue;
        anyFilter = true;
        window.inputs.filters.master[master] = true;
        window.inputs.filters.element[master] = elementBoxes(options[option], option);
    }
    if (!anyFilter) {  // as the page opens: every element required
        window.inputs.filters.master[2] = true;
        window.inputs.filters.element[2] = {true, true, true, true, true};
    }

    GenerationCharSetting generation;
    if (options.count("--gen-char") != options.count("--gen-pos"))
        throw UsageError("--gen-char and --gen-pos go together");
    if (options.count("--gen-char")) {
        std::string position = options["--gen-pos"];
        if (position != "2" && position != "3") throw UsageError("--gen-pos is 2 or 3");
        std::string character = gbkArgument(options["--gen-char"], "the generation character");
        generation.enabled = true;
        generation.position = position == "2" ? GenerationCharSetting::Position::Second
                                              : GenerationCharSetting::Position::Third;
        (position == "2" ? generation.secondCharacter : generation.thirdCharacter) = character;
    }

    window.onMessage = [&](const std::string& text) { context.err << "提示：" << gbkToUtf8(text) << '\n'; };
    JobControl control;
    GenerationJob job(context.database(), window, control);
    if (options.count("--seed")) {
        try {
            job.setSeed(static_cast<unsigned>(std::stoul(options["--seed"])));
        } catch (const std::exception&) {
            throw UsageError("--seed takes a number");
        }
    }
    job.run(mode->mode, generation);

    if (mode->mode == GenerationMode::Classic) {
        std::string text = gbkToUtf8(window.classicText);
        for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
        context.out << text << '\n';
        return 0;
    }
    for (const NameListRow& row : window.rows(mode->list)) {
        for (int c = 0; c < NameListColumnCount; ++c) {
            writeUtf8(context.out, row.columns[c]);
            context.out << (c + 1 < NameListColumnCount ? '\t' : '\n');
        }
    }
    return 0;
}

}  // namespace qinghe::cli
