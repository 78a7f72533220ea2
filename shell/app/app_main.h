#pragma once
// The whole life of the application process, from the command line to the exit code.

namespace tabulor {

int runTabulor(int argc, char** argv);

}  // namespace tabulor
