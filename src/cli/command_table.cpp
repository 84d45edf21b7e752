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
    };
    return commands;
}

}  // namespace qinghe::cli
