#include "common/app/terminal/console.h"

namespace common {

void PrepareConsole() {}

}  // namespace common
