#include "common/platform/default_env.h"
#include "common/platform/windows_env.h"

namespace common {

std::unique_ptr<Env> MakeDefaultEnv(const std::string& root) {
  return std::make_unique<WindowsEnv>(root);
}

}  // namespace common
