#include <iostream>
#include <string>
#include <vector>

#include "cli/app.h"
#include "shell/resources/embedded_images.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tabulor::runCli(arguments, tabulor::embeddedImages(), std::cin, std::cout, std::cerr);
}
