#include "common/app/terminal/console.h"

namespace common {

void PrepareConsole() {}

ConsoleKind ConnectConsole(bool /*interactive*/) { return ConsoleKind::kStandardStreams; }

bool StartedFromConsole() { return false; }

bool EndsInput(std::string_view /*line*/) { return false; }

}  // namespace common
