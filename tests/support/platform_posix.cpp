#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/platform.h"

namespace testing_support {

bool HasPosixShell() { return true; }

int RunShell(const std::string& command) {
  const int raw = std::system(command.c_str());
  return raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

bool CaseSensitiveNames() { return true; }

}  // namespace testing_support
