#pragma once
// The text of --help and --version.

#include <string>

#include "cli/options.h"

namespace tabulor {

// "--clock T0", "--schedule[=yearly]": the option as its line of the help names it.
std::string optionUsage(const OptionSpec& spec);

std::string helpText();
std::string versionText();

}  // namespace tabulor
