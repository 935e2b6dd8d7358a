#include "cleanslate/department_file.h"

#include <cstdint>

#include "common/files/department_record.h"
#include "common/files/record_file.h"

namespace cleanslate {

namespace {

using common::DepartmentRecord;

// The named departments, in record order from record 1.
constexpr const char* kNamedDepartments[] = {
    "GENTS RINGS",
    "REPAIR WATCHES",
    "WEDDING SETS",
    "JEWELRY REPAIR",
    "COLORED STONE RINGS",
    "GIFTWARE & MISC",
    "GOLD CHAIN",
    "BLACK HILLS GOLD",
    "WATCHES",
    "CLOCKS",
    "STERLING",
    "DIAMONDS LOOSE",
    "LOOSE COLORED",
    "PEARLS",
    "ACCESSORIES WATCHES",
    "ESTATE JEWELRY",
    "EARRINGS",
    "PENDANTS",
    "SHIPPING",
};
constexpr std::int32_t kDepartmentCount = 30;

}  // namespace

void WriteDepartmentFile(common::Env& env) {
  common::RecordFile file(env, common::kDepartmentFile, DepartmentRecord::kLength);
  // One record is reused throughout: Extra1 is set once and carried into
  // every record, Extra2 is never set and stays 0x00.
  DepartmentRecord record;
  record.Set(DepartmentRecord::Extra1, "000");
  std::int32_t n = 0;
  for (const char* name : kNamedDepartments) {
    record.Set(DepartmentRecord::Name, name);
    record.Set(DepartmentRecord::Amount1, "1000.00");
    file.write(++n, record);
  }
  while (n < kDepartmentCount) {
    record.Set(DepartmentRecord::Name, "[NOT ASSIGNED]");
    record.Set(DepartmentRecord::Amount1, "0.00");
    file.write(++n, record);
  }
  file.Close();
}

}  // namespace cleanslate
