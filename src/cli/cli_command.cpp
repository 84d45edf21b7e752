#include "cli/cli_command.hpp"

#include <iostream>

#include "store/database_loader.hpp"
#include "store/gbk_text.hpp"

namespace qinghe::cli {

CliContext::CliContext(std::string databasePath, std::ostream& out_, std::ostream& err_)
    : out(out_), err(err_), databasePath_(std::move(databasePath)) {}

NameDatabase& CliContext::database() {
    if (!loaded_) {
        bool ok = loadNameDatabase(db_, utf8ToGbk(databasePath_), [&](const std::string& message) {
            err << gbkToUtf8(message) << " (" << databasePath_ << ")\n";
        });
        if (!ok) throw DatabaseUnavailable("database not loaded");
        loaded_ = true;
    }
    return db_;
}

std::string gbkArgument(const std::string& utf8, const char* what, bool allowEmpty) {
    if (!isValidUtf8(utf8)) throw UsageError(std::string(what) + " is not valid UTF-8 text");
    if (utf8.empty() && !allowEmpty) throw UsageError(std::string(what) + " must not be empty");
    return utf8ToGbk(utf8);
}

void writeUtf8(std::ostream& stream, const std::string& gbkText) { stream << gbkToUtf8(gbkText); }

}  // namespace qinghe::cli
