// ActionContext: what every action of the reset utility works with: the data
// directory, the messages, and the sources of a random number and of today's
// date. The window logic owns one and hands it to the action it dispatches.

#ifndef CLEANSLATE_ACTION_CONTEXT_H_
#define CLEANSLATE_ACTION_CONTEXT_H_

#include "cleanslate/clock.h"
#include "cleanslate/random_source.h"
#include "common/app/messages.h"
#include "common/platform/env.h"

namespace cleanslate {

struct ActionContext {
  common::Env& env;
  common::Messages& messages;
  RandomSource& random;
  Clock& clock;
};

}  // namespace cleanslate

#endif  // CLEANSLATE_ACTION_CONTEXT_H_
