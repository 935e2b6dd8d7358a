#include "tag/department_files.h"

#include <algorithm>

#include "common/files/department_record.h"
#include "common/files/file_names.h"
#include "common/files/line_file.h"
#include "common/files/number_text.h"
#include "common/files/record_file.h"
#include "tag/field_layout_file.h"

namespace tag {

namespace {

// The records to scan: never more than the file holds.
std::int32_t RecordsToScan(const common::RecordFile& file, std::int32_t deptcount) {
  return std::clamp(deptcount, 0, file.RecordCount());
}

std::string NameOf(common::RecordFile& file, std::int32_t n) {
  return common::DepartmentRecord(file.read(n)).Get(common::DepartmentRecord::Name);
}

}  // namespace

std::int16_t ReadDepartmentCount(common::Env& env) {
  if (!common::FileExists(env, kDepartmentCountFile)) return kDefaultDepartmentCount;
  return common::RoundToInt16(
      common::LeadingNumber(common::ReadFirstField(env, kDepartmentCountFile)));
}

std::vector<std::string> ListDepartments(common::Env& env, std::int32_t deptcount) {
  std::vector<std::string> names;
  common::RecordFile file(env, common::kDepartmentFile, common::DepartmentRecord::kLength);
  const std::int32_t last = RecordsToScan(file, deptcount);
  for (std::int32_t n = 1; n <= last; ++n) {
    std::string name = NameOf(file, n);
    if (!name.starts_with("[NO")) names.push_back(std::move(name));
  }
  file.Close();
  return names;
}

std::vector<std::string> DepartmentFieldLayoutNames(common::Env& env, std::int32_t deptcount) {
  std::vector<std::string> names;
  common::RecordFile file(env, common::kDepartmentFile, common::DepartmentRecord::kLength);
  const std::int32_t last = RecordsToScan(file, deptcount);
  for (std::int32_t n = 1; n <= last; ++n) {
    const std::string first3 = NameOf(file, n).substr(0, 3);
    if (!SafeInFileName(first3)) continue;
    std::string name = TrimSpaces(first3 + "tags.dat");
    // A hidden name is no file that Save Change writes.
    if (name.starts_with("[") || name.starts_with(".")) continue;
    names.push_back(std::move(name));
  }
  file.Close();
  return names;
}

}  // namespace tag
