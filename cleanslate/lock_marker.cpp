#include "cleanslate/lock_marker.h"

#include "common/files/file_names.h"
#include "common/files/line_file.h"

namespace cleanslate {

bool ZeroingLocked(common::Env& env) { return common::FileExists(env, kLockMarker); }

void WriteLockMarker(common::Env& env) {
  common::LineFileWriter file(env, kLockMarker);
  common::WriteTextLine(file, "No Zero");
  file.Close();
}

}  // namespace cleanslate
