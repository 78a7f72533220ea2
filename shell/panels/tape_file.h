#pragma once
// The tape as the file the user saves: its text form, or CSV for a spreadsheet, one line per
// step; written so that a failed save leaves what stood at the path as it was.

#include <string>
#include <string_view>

#include "tape/tape_store.h"

namespace tabulor {

enum class TapeFormat { Text, Csv };

// A name ending in .csv is CSV; so is one without an extension when CSV was chosen.
TapeFormat tapeFormatFor(std::string_view path, bool csvChosen);

// Every line kept, each with its line end; the CSV form starts with its header.
std::string tapeFileContents(const TapeStore& tape, TapeFormat format);

// Empty when the file is written; otherwise why not.
std::string saveTapeFile(const std::string& path, const TapeStore& tape, TapeFormat format);

}  // namespace tabulor
