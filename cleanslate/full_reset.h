// FullReset: "Zero everything". Deletes every data file of the store and
// writes the complete initial data set in a fixed order of steps, then ends
// the program. Runs only after the user answered Yes to its warning, inside
// a transaction planned by PlanFullReset.

#ifndef CLEANSLATE_FULL_RESET_H_
#define CLEANSLATE_FULL_RESET_H_

#include "cleanslate/action_context.h"
#include "common/journal/transaction_plan.h"
#include "common/app/window_host.h"

namespace cleanslate {

// Every file the full reset deletes or writes.
void PlanFullReset(common::Plan& plan, const ActionContext& context);

// Plans the full reset and runs it in a transaction: after a failure every
// file is put back. Throws FileError.
void RunFullReset(const ActionContext& context, common::WindowHost& host);

// Shows the busy pointer through `host`, lets pending window events through
// between steps, and ends the program through `host` when done. Throws
// FileError at the first step that fails.
void FullReset(const ActionContext& context, common::WindowHost& host);

}  // namespace cleanslate

#endif  // CLEANSLATE_FULL_RESET_H_
