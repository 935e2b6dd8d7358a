// `cleanslate --plan N`: the dry run of choice N, printed instead of
// showing a window.

#ifndef CLEANSLATE_TERMINAL_PLAN_COMMAND_H_
#define CLEANSLATE_TERMINAL_PLAN_COMMAND_H_

#include <optional>
#include <ostream>
#include <string>

#include "cleanslate/clock.h"
#include "cleanslate/random_source.h"
#include "common/platform/env.h"

namespace cleanslate {

// Prints what the choice numbered `argument` (1 to 14) would change. A
// missing or other argument is a wrong command line (status 2); a file
// error is one line on `err` (status 1); else 0.
int RunPlanCommand(const std::optional<std::string>& argument, common::Env& env,
                   RandomSource& random, Clock& clock, std::ostream& out, std::ostream& err);

}  // namespace cleanslate

#endif  // CLEANSLATE_TERMINAL_PLAN_COMMAND_H_
