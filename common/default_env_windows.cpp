#include "common/default_env.h"
#include "common/windows_env.h"

namespace common {

std::unique_ptr<Env> MakeDefaultEnv(const std::string& root) {
  return std::make_unique<WindowsEnv>(root);
}

}  // namespace common
