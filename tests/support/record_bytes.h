// Expected record bytes spelled field by field, and old records whose every
// byte shows when it is moved or kept by mistake.

#ifndef TESTS_SUPPORT_RECORD_BYTES_H_
#define TESTS_SUPPORT_RECORD_BYTES_H_

#include <string>

namespace testing_support {

// A text field's bytes: `text` cut or padded with spaces to `width`.
inline std::string Pad(const std::string& text, std::size_t width) {
  std::string field = text.substr(0, width);
  field.resize(width, ' ');
  return field;
}
inline std::string Spaces(std::size_t n) { return std::string(n, ' '); }
inline std::string Zeros(std::size_t n) { return std::string(n, '\0'); }

// `count` records of `length` bytes, each filled with its own letter and
// numbered at its start, so any moved or changed byte shows.
inline std::string OldRecords(int count, std::size_t length) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    std::string record(length, static_cast<char>('a' + i % 26));
    const std::string number = std::to_string(i + 1);
    record.replace(0, number.size(), number);
    bytes += record;
  }
  return bytes;
}

}  // namespace testing_support

#endif  // TESTS_SUPPORT_RECORD_BYTES_H_
