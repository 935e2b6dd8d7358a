// The settings record "brillora.ini". Despite its name it is a record file:
// one SettingsRecord of 31 bytes, no line end.

#ifndef CLEANSLATE_SETTINGS_FILE_H_
#define CLEANSLATE_SETTINGS_FILE_H_

#include "common/files/text_record.h"
#include "common/platform/env.h"

namespace cleanslate {

inline constexpr char kSettingsFile[] = "brillora.ini";

class SettingsRecord : public common::FixedRecord<31> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr common::TextField Flags{0, 12};  // twelve Y/N flags
  static constexpr common::TextField Letters{12, 12};
  static constexpr common::TextField Rate{24, 5};  // a rate such as ".0725"
  static constexpr common::TextField Mode{29, 1};
  static constexpr common::TextField Flag{30, 1};  // "Y" or "N"
  static_assert(common::FieldsFillRecord(kLength, {Flags, Letters, Rate, Mode, Flag}));
};

// Writes record 1 of "brillora.ini" with the starting settings. Bytes past
// record 1 of an older, longer file stay as they were (the full reset deletes
// the file first). Throws FileError.
void WriteSettingsRecord(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_SETTINGS_FILE_H_
