#include "shell/app/instance_name.h"

namespace tabulor {

std::string instanceName(std::uint32_t userId) {
    return "tabulor-" + std::to_string(userId);
}

}  // namespace tabulor
