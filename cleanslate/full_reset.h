// FullReset: "Zero everything". Deletes every data file of the store and
// writes the complete initial data set in a fixed order of steps, then ends
// the program. Runs only after the user answered Yes to its warning. The
// steps up to "FINISHED" are one transaction, committed before the message
// waits for the user; the last two files are written after it in a short
// transaction of their own, whose files the first one's backup also keeps.

#ifndef CLEANSLATE_FULL_RESET_H_
#define CLEANSLATE_FULL_RESET_H_

#include "cleanslate/action_context.h"
#include "common/app/window_host.h"
#include "common/journal/transaction_plan.h"

namespace cleanslate {

inline constexpr char kFullResetTitle[] = "Zero everything";

// Every file the full reset deletes or writes.
void PlanFullReset(common::Plan& plan, const ActionContext& context);

// The full reset: shows the busy pointer through `host`, lets pending
// window events through between steps, and ends the program through `host`
// when done. Throws DirectoryBusy, or FileError at the first step that
// fails, with every file of its transaction put back.
void RunFullReset(const ActionContext& context, common::WindowHost& host);

}  // namespace cleanslate

#endif  // CLEANSLATE_FULL_RESET_H_
