// --help and docs/cli.md must describe every option and every token the program accepts.
#include "cli/help_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "cli/options.h"
#include "cli/token_table.h"

namespace tabulor {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(HelpText, NamesEveryOptionWithItsValue) {
    const std::string help = helpText();
    for (const OptionSpec& spec : optionTable()) {
        const std::string usage = optionUsage(spec);
        EXPECT_NE(help.find(usage), std::string::npos) << usage;
    }
}

TEST(HelpText, NamesEveryToken) {
    const std::string help = helpText();
    for (const NamedToken& token : namedTokens()) {
        EXPECT_NE(help.find(std::string(token.name)), std::string::npos) << token.name;
    }
}

TEST(HelpText, FitsAnEightyColumnTerminal) {
    std::istringstream lines(helpText());
    std::string line;
    while (std::getline(lines, line)) {
        // Multi-byte characters count once.
        std::size_t columns = 0;
        for (const char c : line)
            columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        EXPECT_LT(columns, 80u) << line;
    }
}

TEST(VersionText, NamesTheProgramAndItsVersion) {
    EXPECT_EQ(versionText(), "tabulor-cli " TABULOR_VERSION "\n");
}

TEST(UserReference, DocumentsEveryOptionAndToken) {
    const std::string reference = readFile(TABULOR_CLI_REFERENCE);
    ASSERT_FALSE(reference.empty()) << TABULOR_CLI_REFERENCE;
    for (const OptionSpec& spec : optionTable()) {
        EXPECT_NE(reference.find("`" + std::string(spec.name)), std::string::npos) << spec.name;
    }
    for (const NamedToken& token : namedTokens()) {
        EXPECT_NE(reference.find("`" + std::string(token.name) + "`"), std::string::npos)
            << token.name;
    }
}

}  // namespace
}  // namespace tabulor
