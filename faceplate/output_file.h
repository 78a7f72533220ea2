#pragma once
// A file written so that nothing at its path is ever lost. A regular file, or a path where
// nothing stands yet, is written to a new file beside it that takes its place only once it is
// whole; through a symbolic link, the file the link ends at is replaced and the link stays. A
// pipe, a terminal or a device is written as it stands and never removed, and a file named as an
// open stream (/dev/stdout, /dev/fd/N) is written after what that stream holds.

#include <string>

namespace tabulor {

struct OutputFile {
    int fd = -1;
    std::string temporaryPath;  // empty when the target is written directly
    std::string targetPath;     // the file the temporary replaces, links followed
};

// 0 and an open `file`, or the errno of the failure and nothing created.
int openOutputFile(const std::string& path, OutputFile& file);

// Syncs the temporary file and moves it over its target, or just closes a direct target. 0, or
// the errno of the failure; either way the file is closed and no temporary is left.
int commitOutputFile(OutputFile& file);

// Closes the file and removes the temporary one; what stood at the path is untouched.
void abandonOutputFile(OutputFile& file);

}  // namespace tabulor
