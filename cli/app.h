#pragma once
// tabulor-cli as a whole: the command line, then either the tokens given on it or a loop over
// the lines of the input. main() only hands over its arguments and streams.

#include <iosfwd>
#include <span>
#include <string>

#include "image/image.h"

namespace tabulor {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // no calculator, or the input or output failed
inline constexpr int kExitUsage = 2;    // a bad option or value, an unknown token, a failed line

// `arguments` are those after the program's name.
int runCli(std::span<const std::string> arguments, const ImageStore& images, std::istream& in,
           std::ostream& out, std::ostream& err);

}  // namespace tabulor
