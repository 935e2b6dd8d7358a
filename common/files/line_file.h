// Line files: short text files of lines each ended by CR LF, the last one
// included. Writing collects the lines and replaces the file whole when it is
// closed: the bytes go to a hidden file beside it, which is then renamed over
// it, so a failure part-way leaves the old file as it was and no stray file.
// Reading goes field by field with ReadField.

#ifndef COMMON_FILES_LINE_FILE_H_
#define COMMON_FILES_LINE_FILE_H_

#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/files/number_text.h"
#include "common/platform/env.h"

namespace common {

// The most bytes a line file that the programs write can take: what a plan
// reserves on the disk for one (their longest, a department's six layout
// boxes, stays far below it).
inline constexpr std::uint64_t kLineFileMostBytes = 4096;

class LineFileWriter {
 public:
  // Nothing is written before Close(); `name` is resolved in the data
  // directory then, so an existing file of any letter case is replaced
  // under its own name.
  LineFileWriter(Env& env, std::string_view name);
  // Without a successful Close() the file on disk stays as it was.
  ~LineFileWriter() = default;

  LineFileWriter(const LineFileWriter&) = delete;
  LineFileWriter& operator=(const LineFileWriter&) = delete;

  void AppendLine(std::string_view text);

  // Replaces the file with the lines written. Throws FileError naming it;
  // the old file is then left whole.
  void Close();

 private:
  Env& env_;
  std::string name_;
  std::string contents_;
};

// The text unchanged, then CR LF.
void WriteTextLine(LineFileWriter& file, std::string_view text);
// A whole number with its sign position and one trailing space: 7 gives
// " 7 " CR LF.
void WriteNumberLine(LineFileWriter& file, std::int64_t value);
template <std::integral T>
void WriteNumberLine(LineFileWriter& file, T value) {
  WriteNumberLine(file, static_cast<std::int64_t>(value));
}
// A single-precision number in the same form, with its shortest decimal
// text: 7.5 gives " 7.5 " CR LF.
void WriteNumberLine(LineFileWriter& file, float value);

class LineFileReader {
 public:
  // Opens `name` in the data directory, whatever its letter case there.
  // Throws FileError when it is missing, unreadable or not an ordinary file.
  LineFileReader(Env& env, std::string_view name);

  // The next byte, or -1 at the end of the file.
  int Peek();
  int Get();
  // True when no byte is left.
  bool AtEnd() { return Peek() < 0; }

  const std::string& name() const { return name_; }

 private:
  std::string name_;
  std::unique_ptr<SequentialFile> file_;
  std::string buffer_;
  std::size_t position_ = 0;
  bool exhausted_ = false;
};

// The next field: leading spaces, tabs and line ends are skipped; a field
// starting with a double quote runs to the next double quote (the quotes are
// not part of it); any other field runs to the next comma or line end, and
// keeps its trailing spaces. The delimiter is consumed. Throws FileError
// naming the file when no field is left.
std::string ReadField(LineFileReader& file);

// Opens `name`, reads its first field and closes it.
std::string ReadFirstField(Env& env, std::string_view name);

}  // namespace common

#endif  // COMMON_FILES_LINE_FILE_H_
