// The terminal's view of the tag row preview: the printed lines under a
// column ruler, then one line per finding.

#ifndef TAG_TERMINAL_TAG_ROW_TEXT_H_
#define TAG_TERMINAL_TAG_ROW_TEXT_H_

#include <string>
#include <vector>

#include "tag/tag_preview.h"

namespace tag {

// The ruler ("         1         2", "12345678901234567890"), the letters
// of the positions at their columns, the three lines, each after a label of
// 8 characters, then the findings indented.
std::vector<std::string> TagRowText(const TagRowPreview& preview);

}  // namespace tag

#endif  // TAG_TERMINAL_TAG_ROW_TEXT_H_
