// Runs a program of ours in a test and collects what it printed and its exit status.
#pragma once

#include <string>
#include <vector>

namespace qinghe::testing {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

CommandResult runCommand(const std::string& program, const std::vector<std::string>& args);

}  // namespace qinghe::testing
