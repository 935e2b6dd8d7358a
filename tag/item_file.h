// The store's items as Tag reads them from "invent.dat": streamed one record
// at a time, read-only, never held whole. Blank records and items marked for
// removal (vendor 999) are not stock items and are passed over.
//
// An item belongs to a department by its Department field, the first three
// characters of the department's name, just as a department's field layout
// file is named after them; letter case does not matter, as in file names.

#ifndef TAG_ITEM_FILE_H_
#define TAG_ITEM_FILE_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "common/files/record_reader.h"
#include "common/platform/env.h"

namespace tag {

class ItemFileReader {
 public:
  // A missing "invent.dat" reads as no items. Throws common::FileError when
  // the file exists but cannot be opened.
  explicit ItemFileReader(common::Env& env);

  // The next stock item's 248 bytes; false after the last. A partial record
  // at the end of the file is not an item. Throws common::FileError.
  bool Next(std::string_view& item);

  // The record number of the item Next() gave last.
  std::int32_t record_number() const { return records_.record_number(); }
  bool file_exists() const { return records_.file_exists(); }

 private:
  common::RecordReader records_;
};

inline constexpr std::size_t kDepartmentKeyLength = 3;

// The first three characters of a department text (fewer when it is shorter).
std::string_view DepartmentKey(std::string_view department_text);

// True when the item's Department field is `key`, letter case aside.
bool InDepartment(std::string_view item, std::string_view key);

// The item's Department field as stored (three bytes).
std::string_view ItemDepartment(std::string_view item);

// "300-01111 WIDE WEDDING BAND WITH 3 DIAS TW/.10 CT": vendor and item
// number, then the description without its padding; control bytes as '?'.
std::string ItemLabel(std::string_view item);

}  // namespace tag

#endif  // TAG_ITEM_FILE_H_
