// `tag --check-layouts`: the check of every item against the layout its
// tags print with, run from the command line instead of a window.

#ifndef TAG_TERMINAL_CHECK_LAYOUTS_COMMAND_H_
#define TAG_TERMINAL_CHECK_LAYOUTS_COMMAND_H_

#include <ostream>
#include <string>
#include <vector>

#include "common/app/startup.h"
#include "common/platform/env.h"

namespace tag {

inline constexpr char kCheckLayoutsOption[] = "--check-layouts";

// What --help says of it, after its name.
extern const char kCheckLayoutsHelp[];

// Runs the check. Returns 0 when it ran, 1 after a file error, reported as
// one line on `err`.
int RunCheckLayouts(common::Env& env, const common::ProgramInfo& info, std::ostream& out,
                    std::ostream& err);

}  // namespace tag

#endif  // TAG_TERMINAL_CHECK_LAYOUTS_COMMAND_H_
