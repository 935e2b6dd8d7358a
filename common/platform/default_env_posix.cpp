#include "common/platform/default_env.h"
#include "common/platform/posix_env.h"

namespace common {

std::unique_ptr<Env> MakeDefaultEnv(const std::string& root) {
  return std::make_unique<PosixEnv>(root);
}

}  // namespace common
