// qinghe-cli: the program's analysis from the command line, UTF-8 in and out.
#include <unistd.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "cli/cli_command.hpp"

namespace {

std::string defaultDatabasePath() {
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::filesystem::path folder =
        n > 0 ? std::filesystem::path(std::string(buffer, n)).parent_path() : ".";
    return (folder / "data" / "namedata.db").string();
}

void printHelp(std::ostream& out) {
    out << "qinghe-cli: QingHe's name analysis from the command line (UTF-8 in and out).\n\n"
           "usage: qinghe-cli [--db PATH] COMMAND [ARGUMENTS]\n\n"
           "  --db PATH   the name database (default: data/namedata.db beside this program)\n"
           "  --help      this text\n\n"
           "commands:\n";
    for (const auto& command : qinghe::cli::cliCommands()) {
        out << "  " << command.name << ' ' << command.usage << '\n';
        std::string summary = command.summary;
        size_t start = 0;
        while (start <= summary.size()) {
            size_t end = summary.find('\n', start);
            if (end == std::string::npos) end = summary.size();
            out << "      " << summary.substr(start, end - start) << '\n';
            start = end + 1;
        }
    }
    out << "\nexit status: 0 done, 1 the database could not be loaded, 2 bad input.\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace qinghe::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string databasePath = defaultDatabasePath();
    size_t i = 0;
    for (; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            printHelp(std::cout);
            return 0;
        }
        if (args[i] == "--db") {
            if (i + 1 >= args.size()) {
                std::cerr << "qinghe-cli: --db needs a path\n";
                return 2;
            }
            databasePath = args[++i];
            continue;
        }
        break;
    }
    if (i >= args.size()) {
        std::cerr << "qinghe-cli: no command given (see qinghe-cli --help)\n";
        return 2;
    }
    const std::string& name = args[i];
    std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
    for (const auto& command : cliCommands()) {
        if (name != command.name) continue;
        CliContext context(databasePath, std::cout, std::cerr);
        try {
            return command.run(context, rest);
        } catch (const UsageError& e) {
            std::cerr << "qinghe-cli " << name << ": " << e.what() << '\n';
            return 2;
        } catch (const DatabaseUnavailable&) {
            return 1;
        }
    }
    std::cerr << "qinghe-cli: unknown command '" << name << "' (see qinghe-cli --help)\n";
    return 2;
}
