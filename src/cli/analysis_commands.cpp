// qinghe-cli score and char: the name analysis from the command line.
#include <ostream>

#include "analysis/char_info.hpp"
#include "analysis/name_score.hpp"
#include "cli/cli_command.hpp"
#include "generate/name_list_row.hpp"
#include "store/gbk_text.hpp"

namespace qinghe::cli {
namespace {

void requireArguments(const std::vector<std::string>& args, size_t count, const char* usage) {
    if (args.size() != count) throw UsageError(std::string("usage: ") + usage);
}

}  // namespace

int runScore(CliContext& context, const std::vector<std::string>& args) {
    requireArguments(args, 2, "qinghe-cli score SURNAME GIVEN");
    std::string surname = gbkArgument(args[0], "the surname");
    std::string given = gbkArgument(args[1], "the given name");
    NameScore result = analyseName(context.database(), surname, given);
    NameListRow row = makeNameListRow(1, surname + given, result);

    std::ostream& out = context.out;
    for (int c = ColName; c < NameListColumnCount; ++c) {
        writeUtf8(out, nameListHeaders()[c]);
        out << (c + 1 < NameListColumnCount ? '\t' : '\n');
    }
    for (int c = ColName; c < NameListColumnCount; ++c) {
        writeUtf8(out, row.columns[c]);
        out << (c + 1 < NameListColumnCount ? '\t' : '\n');
    }
    const char* labels[] = {"天格", "人格", "地格", "总格", "外格", "三才"};
    const LuckSlot slots[] = {HeavenLuck, PersonLuck, EarthLuck, TotalLuck, OuterLuck, TalentLuck};
    for (int i = 0; i < 6; ++i) {
        out << labels[i] << '\t';
        writeUtf8(out, result.grids.luck[slots[i]]);
        out << '\n';
    }
    out << "建议\t";
    writeUtf8(out, result.advice);
    out << '\n';
    return 0;
}

int runChar(CliContext& context, const std::vector<std::string>& args) {
    requireArguments(args, 1, "qinghe-cli char X");
    std::string ch = gbkArgument(args[0], "the character");
    CharInfo info = lookupCharacter(context.database(), ch);
    const std::pair<const char*, std::string> fields[] = {
        {"汉字", info.character},
        {"繁体", info.traditional},
        {"简体笔画数", std::to_string(info.simplifiedStrokes)},
        {"繁体笔画数", std::to_string(info.kangxiStrokes)},
        {"拼音1", info.pinyin1},
        {"拼音2", info.pinyin},
        {"声母", info.initial},
        {"部首", info.radical},
        {"五行属性", info.element},
        {"基本解释", info.basicExplanation},
        {"详细解释", info.detailedExplanation},
        {"可用", gbk(isUsable(info) ? "是" : "否")},
    };
    for (const auto& [label, value] : fields) {
        context.out << label << '\t';
        writeUtf8(context.out, value);
        context.out << '\n';
    }
    return 0;
}

}  // namespace qinghe::cli
