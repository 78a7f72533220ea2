#pragma once
// Test support: tabulor-cli run in process over the real engine, with what it wrote and its exit
// status. --battery 255 goes first, so the machine's batteries play no part unless the
// arguments say otherwise.

#include <string>
#include <vector>

#include "image/image.h"

namespace tabulor {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CliRun runInProcess(std::vector<std::string> arguments, const std::string& input,
                    const ImageStore& images);
CliRun runInProcess(std::vector<std::string> arguments, const std::string& input = "");

}  // namespace tabulor
