// The subcommands of qinghe-cli. Each subcommand is a function over a context that gives it the
// database (loaded on first use) and the two output streams.
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/name_database.hpp"

namespace qinghe::cli {

// Thrown for bad input; main prints the message on one line and exits with status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// Thrown when the database cannot be loaded (the loader has printed its message); status 1.
struct DatabaseUnavailable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class CliContext {
public:
    CliContext(std::string databasePath, std::ostream& out, std::ostream& err);
    // The loaded database; throws DatabaseUnavailable after printing the loader's message.
    NameDatabase& database();
    std::ostream& out;
    std::ostream& err;

private:
    std::string databasePath_;
    NameDatabase db_;
    bool loaded_ = false;
};

struct CliCommand {
    const char* name;
    const char* usage;    // arguments, e.g. "SURNAME GIVEN"
    const char* summary;  // one or more lines of help (UTF-8)
    int (*run)(CliContext& context, const std::vector<std::string>& args);
};

const std::vector<CliCommand>& cliCommands();

// The argument as GBK; throws UsageError when it is not valid UTF-8 or (unless allowEmpty) empty.
std::string gbkArgument(const std::string& utf8, const char* what, bool allowEmpty = false);
// Writes GBK text to the stream as UTF-8.
void writeUtf8(std::ostream& stream, const std::string& gbkText);

// The subcommands, grouped by subsystem.
int runScore(CliContext& context, const std::vector<std::string>& args);
int runChar(CliContext& context, const std::vector<std::string>& args);
int runBazi(CliContext& context, const std::vector<std::string>& args);
int runPillars(CliContext& context, const std::vector<std::string>& args);
int runTerms(CliContext& context, const std::vector<std::string>& args);
int runGenerate(CliContext& context, const std::vector<std::string>& args);

}  // namespace qinghe::cli
