#include "cleanslate/staff_file.h"

#include <cstdint>
#include <string_view>

#include "common/files/file_names.h"
#include "common/files/record_file.h"

namespace cleanslate {

namespace {

using R = StaffRecord;

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Fills and writes the 26 slots into `record`, which holds what every slot
// shares. `blank_extras` sets Extra1 to Extra8 blank in every slot.
void WriteSlots(common::Env& env, StaffRecord& record, bool blank_extras) {
  common::RecordFile file(env, kStaffFile, R::kLength);
  for (std::int32_t n = 1; n <= kStaffSlots; ++n) {
    record.Set(R::Letter, kLetters.substr(static_cast<std::size_t>(n - 1), 1));
    record.Set(R::Name, "");
    record.Set(R::Password, "");
    record.Set(R::Permissions, "NNNNNNNNNNNN");
    if (blank_extras) {
      for (const common::TextField field : {R::Extra1, R::Extra2, R::Extra3, R::Extra4, R::Extra5,
                                            R::Extra6, R::Extra7, R::Extra8}) {
        record.Set(field, "");
      }
    }
    if (n == 1) {
      record.Set(R::Name, "CLERK");
      record.Set(R::Password, "QJPX");
      record.Set(R::Permissions, "YNYNYNNNNNNN");
    } else if (n == 2) {
      record.Set(R::Name, "DAN SAMPLES");
      record.Set(R::Password, "ZVK");
      record.Set(R::Permissions, "YNYNYNNNNNNN");
    } else if (n == 12) {
      record.Set(R::Name, "SUE TESTING");
      record.Set(R::Password, "WQJX");
      record.Set(R::Permissions, "YYYYYYYYYYYY");
    }
    file.write(n, record);
  }
  file.Close();
}

}  // namespace

void WriteStaffSlots(common::Env& env) {
  StaffRecord record;
  WriteSlots(env, record, /*blank_extras=*/true);
}

void WriteStaffSeed(common::Env& env) {
  StaffRecord record;
  for (const common::TextField field :
       {R::Password, R::Letter, R::Name, R::Permissions, R::Extra1, R::Extra2, R::Extra3, R::Extra4,
        R::Extra5, R::Extra6, R::Extra7, R::Extra8, R::Extra9}) {
    record.Set(field, "");
  }
  WriteSlots(env, record, /*blank_extras=*/false);
  common::DeleteIfPresent(env, kOldStaffFile);
}

}  // namespace cleanslate
