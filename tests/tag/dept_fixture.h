// "dept.dat" records for tests, spelled out byte by byte from the 41-byte
// layout: "000", the name in 28 characters, two 0x00 bytes, the amount in 8.

#ifndef TESTS_TAG_DEPT_FIXTURE_H_
#define TESTS_TAG_DEPT_FIXTURE_H_

#include <initializer_list>
#include <string>

namespace tag {

inline std::string DeptRecord(std::string name, std::string amount = "1000.00") {
  name.resize(28, ' ');
  amount.resize(8, ' ');
  return "000" + name + std::string(2, '\0') + amount;
}

inline std::string FreeSlot() { return DeptRecord("[NOT ASSIGNED]", "0.00"); }

inline std::string DeptFile(std::initializer_list<std::string> records) {
  std::string bytes;
  for (const std::string& record : records) bytes += record;
  return bytes;
}

// A name as the department list holds it: 28 characters.
inline std::string Padded(std::string name) {
  name.resize(28, ' ');
  return name;
}

}  // namespace tag

#endif  // TESTS_TAG_DEPT_FIXTURE_H_
