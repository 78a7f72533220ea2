#include "cli/tests/in_process_run.h"

#include <sstream>

#include "cli/app.h"
#include "shell/resources/embedded_images.h"

namespace tabulor {

CliRun runInProcess(std::vector<std::string> arguments, const std::string& input,
                    const ImageStore& images) {
    arguments.insert(arguments.begin(), {"--battery", "255"});
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliRun result;
    result.exitCode = runCli(arguments, images, in, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

CliRun runInProcess(std::vector<std::string> arguments, const std::string& input) {
    return runInProcess(std::move(arguments), input, embeddedImages());
}

}  // namespace tabulor
