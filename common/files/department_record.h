// DepartmentRecord: one record of "dept.dat", the store's departments. The
// record number is the department number. Cleanslate writes the file; Tag
// reads it to list the departments and to name their tag layout files.

#ifndef COMMON_FILES_DEPARTMENT_RECORD_H_
#define COMMON_FILES_DEPARTMENT_RECORD_H_

#include "common/files/text_record.h"

namespace common {

inline constexpr char kDepartmentFile[] = "dept.dat";

class DepartmentRecord : public FixedRecord<41> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr TextField Extra1{0, 3};    // three digits, "000"
  static constexpr TextField Name{3, 28};     // upper case; "[NOT ASSIGNED]" for a free slot
  static constexpr TextField Extra2{31, 2};   // never assigned: 0x00
  static constexpr TextField Amount1{33, 8};  // money text, "1000.00"
  static_assert(FieldsFillRecord(kLength, {Extra1, Name, Extra2, Amount1}));
};

}  // namespace common

#endif  // COMMON_FILES_DEPARTMENT_RECORD_H_
