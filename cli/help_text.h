#pragma once
// The text of --help and --version.

#include <string>

namespace tabulor {

std::string helpText();
std::string versionText();

}  // namespace tabulor
