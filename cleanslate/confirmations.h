// The questions the reset utility asks of its own before an action: the
// category confirmation, and the lock that ends all resets for good.

#ifndef CLEANSLATE_CONFIRMATIONS_H_
#define CLEANSLATE_CONFIRMATIONS_H_

#include <string>

#include "cleanslate/action_context.h"
#include "common/app/messages.h"
#include "common/app/window_host.h"
#include "common/platform/env.h"

namespace cleanslate {

// Asks `sentence` and "Are you sure that you want to do this?" with Yes, No
// and Cancel, No the default. True on Yes. Any other answer shows that
// nothing was done and ends the program; false then.
bool ConfirmCategory(common::Messages& messages, common::WindowHost& host,
                     const std::string& sentence);

// The first gate: while the lock marker exists, shows that zeroing is
// locked and returns false; otherwise true, showing nothing.
bool PassZeroingLock(common::Env& env, common::Messages& messages);

// Asks whether to lock the utility for good; on Yes writes the lock marker,
// keeping no backup (the lock is for good). Tells the user the outcome
// either way.
void LockZeroing(const ActionContext& context);

inline constexpr char kLockTitle[] = "No more zeroing (This will cancel this program)";

}  // namespace cleanslate

#endif  // CLEANSLATE_CONFIRMATIONS_H_
