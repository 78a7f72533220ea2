// Turns the golden tables of tabulor-cli (a command line, a TAB, the expected line) into seed
// inputs for the fuzzer: each token becomes its taps, one byte per key code, and WAIT its byte.
// Options (and their values) have no byte and are dropped, and so is the file a row feeds as
// standard input ("< NAME").
//
//   corpus_from_golden OUTPUT_DIR TABLE.tsv...

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/token_parsing.h"
#include "engine/tests/stress_steps.h"

namespace {

// An option whose value is the next word, as "--clock 5" and "--npv 8".
bool takesNextWord(const std::string& option) {
    for (const tabulor::OptionSpec& spec : tabulor::optionTable()) {
        if (spec.name == option) return !spec.valueName.empty() && !spec.valueOptional;
    }
    return false;
}

std::vector<std::uint8_t> bytesOfCommandLine(const std::string& commandLine) {
    std::vector<std::uint8_t> bytes;
    bool optionValueNext = false;
    for (const std::string& word : tabulor::splitWords(commandLine)) {
        if (optionValueNext) {
            optionValueNext = false;
            continue;
        }
        if (word == "<") {
            optionValueNext = true;
            continue;
        }
        if (word.rfind("--", 0) == 0) {
            optionValueNext = word.find('=') == std::string::npos && takesNextWord(word);
            continue;
        }
        const auto token = tabulor::parseToken(word);
        if (!token) continue;
        if (token->wait) bytes.push_back(tabulor::stress::kFirstWaitByte);
        for (const tabulor::KeyCode code : token->taps)
            bytes.push_back(static_cast<std::uint8_t>(code));
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: corpus_from_golden OUTPUT_DIR TABLE.tsv...\n";
        return 2;
    }
    const std::filesystem::path output = argv[1];
    std::filesystem::create_directories(output);
    int written = 0;
    for (int a = 2; a < argc; ++a) {
        const std::filesystem::path table = argv[a];
        std::ifstream in(table);
        if (!in) {
            std::cerr << "cannot read " << table << '\n';
            return 1;
        }
        std::string line;
        int row = 0;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            ++row;
            const std::vector<std::uint8_t> bytes =
                bytesOfCommandLine(line.substr(0, line.find('\t')));
            if (bytes.empty()) continue;
            char name[64];
            std::snprintf(name, sizeof name, "%s-%03d", table.stem().c_str(), row);
            std::ofstream out(output / name, std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
            ++written;
        }
    }
    std::cout << written << " seed inputs in " << output << '\n';
    return 0;
}
