#pragma once
// A file written so that nothing at its path is ever lost. A regular file, or a path where
// nothing stands yet, is written to a new file beside it that takes its place only once it is
// whole; through a symbolic link, the file the link ends at is replaced and the link stays. A
// pipe, a terminal or a device is written as it stands and never removed, and a file named as an
// open stream (/dev/stdout, /dev/fd/N) is written after what that stream holds.

#include <functional>
#include <string>
#include <string_view>

namespace tabulor {

// What writes the contents through the open descriptor: empty, or why it could not.
using FileContents = std::function<std::string(int fd)>;

// Writes the file at `path` through `contents`. Empty when it is written; otherwise why not, as
// a message gives it after the file's name ("File too large", "no process is reading it"), with
// what stood at the path as it was and no temporary file left. The signals a failed write raises
// (a pipe whose reader has gone, a file past the size limit) are held back meanwhile, so that
// they make a write fail with its reason instead of ending the program.
std::string writeOutputFile(const std::string& path, const FileContents& contents);

// Writes `text` as the whole file, as writeOutputFile does.
std::string writeOutputText(const std::string& path, std::string_view text);

}  // namespace tabulor
