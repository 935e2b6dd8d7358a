// The departments as the department window sees them: the count of records
// to scan ("numdept.dat", written by the store product), the names listed
// from "dept.dat", and the walk that deletes every department's field
// layout file.

#ifndef TAG_DEPARTMENT_FILES_H_
#define TAG_DEPARTMENT_FILES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "common/platform/env.h"

namespace tag {

inline constexpr char kDepartmentCountFile[] = "numdept.dat";
inline constexpr std::int16_t kDefaultDepartmentCount = 30;

// The first field of "numdept.dat" as a whole number when the file exists,
// else 30. Throws common::FileError when it exists but cannot be read.
std::int16_t ReadDepartmentCount(common::Env& env);

// The 28-character names of records 1 to `deptcount` of "dept.dat" (created
// empty when missing), trailing spaces included, free slots ("[NO...") left
// out. Records past the end of the file are not there to list.
std::vector<std::string> ListDepartments(common::Env& env, std::int32_t deptcount);

// The department layout files that "Set all back to default" deletes (when
// they exist): for records 1 to `deptcount` of "dept.dat", the first three
// characters of the department name followed by "tags.dat", trimmed of
// spaces. Free slots (names that then begin with "[") and names whose first
// three characters cannot stand in a file name are skipped; records past the
// end of the file are not there to walk.
std::vector<std::string> DepartmentFieldLayoutNames(common::Env& env, std::int32_t deptcount);

}  // namespace tag

#endif  // TAG_DEPARTMENT_FILES_H_
