#include "cli/cli_command.hpp"

namespace qinghe::cli {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {"score", "SURNAME GIVEN",
         "Scores a full name by the five grids: prints a header line and the name's row\n"
         "(姓名 简体笔划 繁体笔划 五行 五格 三才 评分, tab-separated), then the six luck\n"
         "words (天格 人格 地格 总格 外格 三才) and the advice, one per line.",
         runScore},
        {"char", "X",
         "Prints every attribute of the character X from the character table, one\n"
         "field<TAB>value per line, and whether the program can use it in names.",
         runChar},
        {"bazi", "YYYY-MM-DD HH",
         "Prints the eight-character reading of the birth date and hour (0-23, UTC+8) as\n"
         "the 生辰八字 page shows it: dates, pillars, elements, na-yin, zodiac advice.",
         runBazi},
        {"pillars", "YYYY-MM-DD HH",
         "Prints the year, month, day and hour pillars, the lunar month and the lunar day\n"
         "of the moment on one line, tab-separated.",
         runPillars},
        {"terms", "YYYY",
         "Prints the 24 solar terms of the year (1901-2048), one per line:\n"
         "name<TAB>YYYY-MM-DD HH:MM:SS in UTC+8.",
         runTerms},
        {"generate", "MODE [OPTIONS]",
         "Runs a generation mode and prints its names as tab-separated rows\n"
         "(编号 姓名 简体笔划 繁体笔划 五行 五格 三才 评分), best first; classic prints its text.\n"
         "MODE: high, classic, super, combination, nickname. Options:\n"
         "  --surname S (required)   --sex 男|女 (男)   --length 1|2 (2)\n"
         "  --gen-char X --gen-pos 2|3   a fixed generation character at place 2 or 3\n"
         "  --chars TEXT             the characters to combine (combination)\n"
         "  --nickname AA|小A|A儿|阿A  the nickname pattern (AA)\n"
         "  --second E, --third E, --all-required E, --all-forbidden E\n"
         "                           element filters of super (E: some of 金木水火土); a filter\n"
         "                           given means its box is checked; default: all required\n"
         "  --seed N                 repeatable shuffles",
         runGenerate},
    };
    return commands;
}

}  // namespace qinghe::cli
