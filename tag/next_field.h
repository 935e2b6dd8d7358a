// Reading line files that may end before the reader expects.

#ifndef TAG_NEXT_FIELD_H_
#define TAG_NEXT_FIELD_H_

#include <optional>
#include <string>

#include "common/files/line_file.h"

namespace tag {

// The next field as common::ReadField gives it, or none when only blanks and
// line ends are left in the file.
std::optional<std::string> NextField(common::LineFileReader& file);

}  // namespace tag

#endif  // TAG_NEXT_FIELD_H_
