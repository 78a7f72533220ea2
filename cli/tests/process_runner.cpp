#include "process_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace tabulor {

namespace {

// A file that disappears when it is closed; the child reads or writes it through a dup.
int anonymousFile() {
    char name[] = "/tmp/tabulor-cli-test-XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) unlink(name);
    return fd;
}

std::string readAll(int fd) {
    std::string text;
    lseek(fd, 0, SEEK_SET);
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, n);
    return text;
}

}  // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input, const std::function<void()>& inChild) {
    ProcessResult result;
    const int in = anonymousFile();
    const int out = anonymousFile();
    const int err = anonymousFile();
    if (in < 0 || out < 0 || err < 0) return result;
    if (write(in, input.data(), input.size()) != static_cast<ssize_t>(input.size())) return result;
    lseek(in, 0, SEEK_SET);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        if (inChild) inChild();
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.inputRead = static_cast<std::size_t>(lseek(in, 0, SEEK_CUR));
    result.out = readAll(out);
    result.err = readAll(err);
    close(in);
    close(out);
    close(err);
    return result;
}

}  // namespace tabulor
