#pragma once
// Runs a program with arguments and standard input, and collects what it wrote and its exit
// status; for the tests of the real binary.

#include <string>
#include <vector>

namespace tabulor {

struct ProcessResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input);

}  // namespace tabulor
