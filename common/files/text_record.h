// Records of fixed-width text fields, the layout of every record file.
//
// A record of length L starts as L bytes 0x00. Assigning a field of width n
// stores the first n characters of the value, left-aligned, padded with
// spaces; a field that is never assigned keeps its 0x00 bytes. Reading a
// field gives all n characters, padding included.
//
// A record type derives from FixedRecord<L> and declares each field once as
// a TextField constant, in file order, then states
//   static_assert(FieldsFillRecord(kLength, {First, Second, ...}));
// which fails the build unless the fields follow each other without gap or
// overlap and end exactly at the record length.

#ifndef COMMON_FILES_TEXT_RECORD_H_
#define COMMON_FILES_TEXT_RECORD_H_

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace common {

struct TextField {
  std::size_t offset;
  std::size_t width;
};

constexpr bool FieldsFillRecord(std::size_t length, std::initializer_list<TextField> fields) {
  std::size_t at = 0;
  for (const TextField& field : fields) {
    if (field.offset != at || field.width == 0) return false;
    at += field.width;
  }
  return at == length;
}

class TextRecord {
 public:
  // A record of `length` bytes 0x00.
  explicit TextRecord(std::size_t length) : bytes_(length, '\0') {}
  // A record holding `bytes`, cut or filled with 0x00 to `length` bytes.
  TextRecord(std::string bytes, std::size_t length) : bytes_(std::move(bytes)) {
    bytes_.resize(length, '\0');
  }

  // REQUIRES: the field lies inside the record.
  void Set(TextField field, std::string_view value);
  std::string Get(TextField field) const;

  std::size_t length() const { return bytes_.size(); }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// A record in place: bytes that a RecordFile holds, read and changed
// without a copy. Fields as in TextRecord.
class RecordView {
 public:
  RecordView(char* bytes, std::size_t length) : bytes_(bytes), length_(length) {}

  // REQUIRES: the field lies inside the record.
  void Set(TextField field, std::string_view value);
  std::string_view Get(TextField field) const;

 private:
  char* bytes_;
  std::size_t length_;
};

// The base of every record type of length L.
template <std::size_t L>
class FixedRecord : public TextRecord {
 public:
  static constexpr std::size_t kLength = L;

  FixedRecord() : TextRecord(L) {}
  // Takes the bytes of a record read from a file.
  explicit FixedRecord(const TextRecord& record) : TextRecord(record.bytes(), L) {}
};

}  // namespace common

#endif  // COMMON_FILES_TEXT_RECORD_H_
