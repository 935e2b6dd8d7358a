#include "common/terminal/console.h"

namespace common {

void PrepareConsole() {}

}  // namespace common
