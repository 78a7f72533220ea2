#pragma once
// Runs a program with arguments and standard input, and collects what it wrote and its exit
// status; for the tests of the real binary.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tabulor {

struct ProcessResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
    std::size_t inputRead = 0;  // how far the program read its standard input
};

// `inChild` runs in the child just before the program starts, its standard streams in place: to
// close one, or set a limit or a signal's disposition that the program inherits.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input, const std::function<void()>& inChild = {});

}  // namespace tabulor
