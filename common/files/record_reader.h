// RecordReader: a record file read from its first record to its last, for
// walks that only look. The file is opened for reading only, so a read-only
// file can be walked and a missing one is never created; a walk holds one
// window of records in memory, however large the file.

#ifndef COMMON_FILES_RECORD_READER_H_
#define COMMON_FILES_RECORD_READER_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/platform/env.h"

namespace common {

class RecordReader {
 public:
  // Opens `name` in the data directory, whatever its letter case there. A
  // missing file reads as a file without records. Throws FileError when it
  // exists but cannot be opened or is not an ordinary file.
  RecordReader(Env& env, std::string_view name, std::size_t record_length);

  RecordReader(const RecordReader&) = delete;
  RecordReader& operator=(const RecordReader&) = delete;

  // The next whole record; false at the end. Bytes at the end of the file
  // that do not make a whole record are not a record. The view stays valid
  // until the next call. Throws FileError when the file cannot be read.
  bool Next(std::string_view& record);

  // The number of the record Next() gave last (from 1); 0 before the first.
  std::int32_t record_number() const { return record_number_; }
  bool file_exists() const { return file_ != nullptr; }
  const std::string& name() const { return name_; }

 private:
  std::string name_;
  std::size_t length_;
  std::unique_ptr<SequentialFile> file_;
  std::string buffer_;
  std::size_t begin_ = 0;  // the next record's first byte in buffer_
  std::size_t end_ = 0;    // bytes of buffer_ that hold file content
  bool exhausted_ = false;
  std::int32_t record_number_ = 0;
};

}  // namespace common

#endif  // COMMON_FILES_RECORD_READER_H_
