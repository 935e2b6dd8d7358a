// Which layouts the store's tags print with, and the check of every item
// against them (`tag --check-layouts`). An item's tags print with the field
// layout file named after its Department field, or with DEFAULT's
// ("DEFTAGS.dat", else the built-in layout) when there is none; the tag
// layout is "tagsize.dat", or its default values when there is none.
// Nothing here writes a file.

#ifndef TAG_LAYOUT_CHECK_H_
#define TAG_LAYOUT_CHECK_H_

#include <ostream>
#include <string>
#include <string_view>

#include "common/platform/env.h"
#include "tag/field_layout_file.h"
#include "tag/tag_layout.h"

namespace tag {

// "tagsize.dat" read when it exists, else the default layout; the file is
// not created. Throws common::FileError.
TagLayout ReadTagLayoutOrDefault(common::Env& env);

// The field layout that tags of department key `key` (the first three
// characters of a department text) print with, and where it comes from:
// the department's own file, "DEFTAGS.dat", or "built-in".
// Throws common::FileError.
struct AppliedLayout {
  FieldLayout boxes;
  std::string source;  // the file's name, or "built-in"
  bool own = false;    // the department's own file
};
AppliedLayout FieldLayoutFor(common::Env& env, std::string_view key);

// Prints the items whose fields a layout cuts or whose parts collide, with
// what is cut and where, then a count per department and the totals.
// Streams "invent.dat". Throws common::FileError.
void CheckLayouts(common::Env& env, std::ostream& out);

}  // namespace tag

#endif  // TAG_LAYOUT_CHECK_H_
