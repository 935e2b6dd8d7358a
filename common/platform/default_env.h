// The Env of the platform the program is built for: PosixEnv or WindowsEnv,
// chosen when it is built (default_env_posix.cpp or default_env_windows.cpp).

#ifndef COMMON_PLATFORM_DEFAULT_ENV_H_
#define COMMON_PLATFORM_DEFAULT_ENV_H_

#include <memory>
#include <string>

#include "common/platform/env.h"

namespace common {

// The Env over the data directory `root`.
std::unique_ptr<Env> MakeDefaultEnv(const std::string& root = ".");

namespace internal {
struct OwnedEnv {
  std::unique_ptr<Env> owned;
};
}  // namespace internal

// The same Env as an object, for code that keeps its Env by value.
class DefaultEnv : private internal::OwnedEnv, public EnvWrapper {
 public:
  explicit DefaultEnv(const std::string& root = ".")
      : internal::OwnedEnv{MakeDefaultEnv(root)}, EnvWrapper(*owned) {}
};

}  // namespace common

#endif  // COMMON_PLATFORM_DEFAULT_ENV_H_
