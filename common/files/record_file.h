// RecordFile: a file of fixed-length records, numbered from 1, with no
// header, separators or line ends. Record n occupies bytes (n-1)*L to n*L-1.
//
// Opening creates a missing file empty and never shortens one. Writing
// record n replaces exactly its L bytes, extending the file when n lies past
// the end; every other byte stays as it was. Reads and writes go through a
// window of whole records, so walking a large file streams it with bounded
// memory; Close() writes what is left in the window and makes it durable.

#ifndef COMMON_FILES_RECORD_FILE_H_
#define COMMON_FILES_RECORD_FILE_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/files/text_record.h"
#include "common/platform/env.h"

namespace common {

class RecordFile {
 public:
  // Opens `name` in the data directory, whatever its letter case there.
  // Throws FileError when it cannot be opened or is not an ordinary file.
  RecordFile(Env& env, std::string_view name, std::size_t record_length);
  // Writes what is still buffered, ignoring errors: call Close() to see them.
  ~RecordFile();

  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // The number of whole records in the file (a partial record at its end
  // does not count), at most the largest 32-bit record number.
  std::int32_t RecordCount() const;

  // Record n. Throws FileError when n is not a whole record of the file.
  TextRecord read(std::int32_t n);
  // Writes `record` as record n (n >= 1); a record of another length is
  // cut or filled with 0x00 to the record length.
  void write(std::int32_t n, const TextRecord& record);

  // Record n in place, for a walk over many records: Peek to read it, Edit
  // to change it (then written as by write(n)). Valid until the next call
  // on this file. Throw FileError when n is not a whole record of the file.
  std::string_view Peek(std::int32_t n);
  RecordView Edit(std::int32_t n);

  // Writes everything, makes it durable and closes the file. Throws FileError.
  void Close();

  const std::string& name() const { return name_; }

 private:
  void MoveWindowTo(std::int32_t n);
  // The window offset of the whole record n; throws when it is none.
  std::size_t WholeRecordAt(std::int32_t n);
  void MarkDirty(std::size_t begin, std::size_t end);
  void Flush();

  std::string name_;
  std::size_t length_;
  std::unique_ptr<RandomAccessFile> file_;
  std::uint64_t size_;             // bytes in the file, counting buffered writes
  std::string window_;             // whole records starting at window_first_
  std::int32_t window_first_ = 0;  // record number of the window's first byte; 0: empty
  std::size_t window_valid_ = 0;   // bytes of the window that hold file content
  std::size_t dirty_begin_ = 0;    // bytes [dirty_begin_, dirty_end_) wait to be written
  std::size_t dirty_end_ = 0;
};

}  // namespace common

#endif  // COMMON_FILES_RECORD_FILE_H_
