#include "tests/support/platform.h"

namespace testing_support {

bool HasPosixShell() { return false; }

int RunShell(const std::string& /*command*/) { return -1; }

bool CaseSensitiveNames() { return false; }

}  // namespace testing_support
