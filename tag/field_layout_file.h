// Field layout files: which item fields a department's price tags print, and
// where. A file holds six text lines, the left and right parts of the tag's
// three printed lines (line 1 left, line 1 right, line 2 left, ...). Each
// part names fields by runs of their key characters ("111 DDD": three
// characters of the vendor number, three of the department).
//
// A department's file is named after the first three characters of its
// text followed by "TAGS.dat"; "DEFTAGS.dat" belongs to DEFAULT, the layout
// of every department without a file of its own.

#ifndef TAG_FIELD_LAYOUT_FILE_H_
#define TAG_FIELD_LAYOUT_FILE_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/platform/env.h"

namespace tag {

// The six parts of a tag layout: Text1 to Text6 of the department window.
inline constexpr int kLayoutBoxCount = 6;
using FieldLayout = std::array<std::string, kLayoutBoxCount>;

inline constexpr char kDefaultDepartment[] = "DEFAULT";
inline constexpr char kDefaultFieldLayoutFile[] = "DEFTAGS.dat";

// The layout a window shows before any file is read.
const FieldLayout& BuiltInFieldLayout();

enum class DepartmentText {
  kUsable,
  kTooShort,         // fewer than three characters once spaces are trimmed
  kLeadingDot,       // it starts with "."
  kUnsafeCharacter,  // its first three characters hold one no file name may hold
};

// Whether a department text can name a field layout file. The first three
// characters must not hold \ / : * ? " < > | or a control character: those
// would name a file outside the data directory, or turn the name into a
// pattern that matches other departments' files. Nor may the text start with
// a dot: that would name a hidden file, which the window would write but
// never load or delete.
DepartmentText CheckDepartmentText(std::string_view text);

// The first character of `chars` that is one of the characters above, or
// none.
std::optional<char> UnsafeInFileName(std::string_view chars);
inline bool SafeInFileName(std::string_view chars) { return !UnsafeInFileName(chars); }

// The first three characters of `text` followed by "TAGS.dat".
// REQUIRES: CheckDepartmentText(text) == DepartmentText::kUsable.
std::string FieldLayoutFileName(std::string_view text);

// `text` with its letters in upper case (Windows-1252).
std::string UpperCase(std::string_view text);

// `text` without spaces at either end.
std::string TrimSpaces(std::string_view text);

// Reads up to six fields of `name` into `layout` in order; the parts that a
// short file does not reach keep what they held. Throws common::FileError.
void ReadFieldLayout(common::Env& env, const std::string& name, FieldLayout& layout);

// Replaces `name` with the six parts of `layout`, each an unchanged text line.
void WriteFieldLayout(common::Env& env, const std::string& name, const FieldLayout& layout);

}  // namespace tag

#endif  // TAG_FIELD_LAYOUT_FILE_H_
