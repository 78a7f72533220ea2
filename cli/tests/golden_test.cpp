// Every row of golden/*.tsv: the command line after "tabulor-cli" (split on white space, options
// allowed), a TAB, and the line it must print; "\n" in it breaks the line, for output of several
// (a CSV schedule). A command line ending in "< NAME" has golden/NAME as its standard input.
// Rows run in process through runCli; the machine's batteries never count (--battery 255
// unless the row says otherwise).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/app.h"
#include "cli/tests/in_process_run.h"
#include "cli/token_parsing.h"

namespace tabulor {
namespace {

struct GoldenRow {
    std::string file;  // stem, e.g. "entry"
    int line = 0;
    std::string command;
    std::string expected;
    bool wellFormed = true;
};

// What ctest and failure messages show for a row.
void PrintTo(const GoldenRow& row, std::ostream* out) {
    *out << row.file << ".tsv:" << row.line << ": " << row.command;
}

std::string withLineBreaks(std::string text) {
    for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at))
        text.replace(at, 2, 1, '\n');
    return text;
}

// Blank lines and lines starting with '#' are comments.
std::vector<GoldenRow> loadGoldenRows() {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(TABULOR_CLI_GOLDEN_DIR, error)) {
        if (entry.path().extension() == ".tsv") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<GoldenRow> rows;
    for (const auto& path : files) {
        std::ifstream in(path);
        int number = 0;
        for (std::string text; std::getline(in, text);) {
            ++number;
            if (!text.empty() && text.back() == '\r') text.pop_back();
            if (text.empty() || text.front() == '#') continue;
            GoldenRow row;
            row.file = path.stem().string();
            row.line = number;
            const std::size_t tab = text.find('\t');
            row.wellFormed =
                tab != std::string::npos && text.find('\t', tab + 1) == std::string::npos;
            row.command = text.substr(0, tab);
            if (tab != std::string::npos) row.expected = withLineBreaks(text.substr(tab + 1));
            rows.push_back(row);
        }
    }
    return rows;
}

std::string rowName(const testing::TestParamInfo<GoldenRow>& info) {
    std::string name = info.param.file + "_line" + std::to_string(info.param.line);
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

class GoldenRowTest : public testing::TestWithParam<GoldenRow> {};

TEST_P(GoldenRowTest, PrintsTheExpectedLine) {
    const GoldenRow& row = GetParam();
    ASSERT_TRUE(row.wellFormed) << row.file << ".tsv:" << row.line << ": need exactly one TAB";
    std::vector<std::string> words = splitWords(row.command);
    std::string input;
    if (words.size() >= 2 && words[words.size() - 2] == "<") {
        std::ifstream file(std::filesystem::path(TABULOR_CLI_GOLDEN_DIR) / words.back());
        ASSERT_TRUE(file) << row.file << ".tsv:" << row.line << ": no file " << words.back();
        input.assign(std::istreambuf_iterator<char>(file), {});
        words.resize(words.size() - 2);
    }
    const CliRun run = runInProcess(words, input);
    EXPECT_EQ(run.exitCode, kExitOk) << run.err;
    EXPECT_EQ(run.out, row.expected + "\n")
        << row.file << ".tsv:" << row.line << ": tabulor-cli " << row.command;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenRowTest, testing::ValuesIn(loadGoldenRows()), rowName);

TEST(GoldenTables, ArePresent) {
    EXPECT_GE(loadGoldenRows().size(), 10u);
}

}  // namespace
}  // namespace tabulor
