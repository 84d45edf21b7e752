#include "run_command.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>

namespace qinghe::testing {
namespace {

std::string readAll(int fd) {
    std::string text;
    std::array<char, 4096> buffer;
    ssize_t n;
    while ((n = read(fd, buffer.data(), buffer.size())) > 0) text.append(buffer.data(), n);
    return text;
}

}  // namespace

CommandResult runCommand(const std::string& program, const std::vector<std::string>& args) {
    CommandResult result;
    char outName[] = "/tmp/qinghe-out-XXXXXX";
    char errName[] = "/tmp/qinghe-err-XXXXXX";
    int outFd = mkstemp(outName), errFd = mkstemp(errName);
    pid_t pid = fork();
    if (pid == 0) {
        dup2(outFd, 1);
        dup2(errFd, 2);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    lseek(outFd, 0, SEEK_SET);
    lseek(errFd, 0, SEEK_SET);
    result.out = readAll(outFd);
    result.err = readAll(errFd);
    close(outFd);
    close(errFd);
    unlink(outName);
    unlink(errName);
    return result;
}

}  // namespace qinghe::testing
