// The lock marker "nozero.dat": while a file of that name exists (in any
// letter case, with any content) the reset utility refuses to start.

#ifndef CLEANSLATE_LOCK_MARKER_H_
#define CLEANSLATE_LOCK_MARKER_H_

#include "common/platform/env.h"

namespace cleanslate {

inline constexpr char kLockMarker[] = "nozero.dat";

// True when the marker exists as an ordinary file.
bool ZeroingLocked(common::Env& env);

// Creates or replaces the marker with the one line "No Zero".
void WriteLockMarker(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_LOCK_MARKER_H_
