// The staff file "staff.hhh": 26 slots, one per letter A to Z, each a
// StaffRecord with a name, a password and twelve permission flags. The older
// staff file "staff.dat" is never written, only deleted by the fresh data
// set. Nothing here shows a message.

#ifndef CLEANSLATE_STAFF_FILE_H_
#define CLEANSLATE_STAFF_FILE_H_

#include "common/files/text_record.h"
#include "common/platform/env.h"

namespace cleanslate {

inline constexpr char kStaffFile[] = "staff.hhh";
inline constexpr char kOldStaffFile[] = "staff.dat";
inline constexpr std::int32_t kStaffSlots = 26;

class StaffRecord : public common::FixedRecord<149> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr common::TextField Password{0, 5};
  static constexpr common::TextField Letter{5, 1};
  static constexpr common::TextField Name{6, 25};
  static constexpr common::TextField Permissions{31, 12};  // twelve "Y"/"N" flags
  static constexpr common::TextField Extra1{43, 12};
  static constexpr common::TextField Extra2{55, 25};
  static constexpr common::TextField Extra3{80, 20};
  static constexpr common::TextField Extra4{100, 2};
  static constexpr common::TextField Extra5{102, 10};
  static constexpr common::TextField Extra6{112, 12};
  static constexpr common::TextField Extra7{124, 2};
  static constexpr common::TextField Extra8{126, 2};
  static constexpr common::TextField Extra9{128, 21};
  static_assert(common::FieldsFillRecord(kLength,
                                         {Password, Letter, Name, Permissions, Extra1, Extra2,
                                          Extra3, Extra4, Extra5, Extra6, Extra7, Extra8, Extra9}));
};

// The 26 slots of the staff reset as records 1 to 26 of "staff.hhh" (later
// records stay): three sample staff members, 23 empty slots. Extra9 is left
// 0x00. "staff.dat" is not touched.
void WriteStaffSlots(common::Env& env);

// The staff of a fresh data set: the same 26 slots with Extra9 blank, then
// "staff.dat" deleted when present. Expects "staff.hhh" to have been deleted
// before.
void WriteStaffSeed(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_STAFF_FILE_H_
