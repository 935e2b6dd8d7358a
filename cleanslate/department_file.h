// The departments file "dept.dat": 30 records of common::DepartmentRecord,
// the department number being the record number.

#ifndef CLEANSLATE_DEPARTMENT_FILE_H_
#define CLEANSLATE_DEPARTMENT_FILE_H_

#include "common/platform/env.h"

namespace cleanslate {

// Writes records 1 to 30 of "dept.dat": 19 named departments with "1000.00",
// then 11 free slots "[NOT ASSIGNED]" with "0.00". Every record carries "000"
// in Extra1 and 0x00 in Extra2. Records past 30 of an older, longer file stay
// as they were (the full reset deletes the file first). Throws FileError.
void WriteDepartmentFile(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_DEPARTMENT_FILE_H_
