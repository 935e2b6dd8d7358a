#include "common/files/record_file.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "common/files/file_names.h"
#include "common/platform/file_error.h"

namespace common {

namespace {

constexpr std::size_t kWindowBytes = 256 << 10;

std::uint64_t Offset(std::int32_t n, std::size_t length) {
  return static_cast<std::uint64_t>(n - 1) * length;
}

}  // namespace

RecordFile::RecordFile(Env& env, std::string_view name, std::size_t record_length)
    : name_(ResolveName(env, name)),
      length_(record_length),
      file_(env.OpenForUpdate(name_)),
      size_(file_->Size()),
      window_(std::max<std::size_t>(1, kWindowBytes / record_length) * record_length, '\0') {}

RecordFile::~RecordFile() {
  try {
    if (file_) Flush();
  } catch (...) {
    // The caller is already leaving on another error, or did not call Close().
  }
}

std::int32_t RecordFile::RecordCount() const {
  const std::uint64_t whole = size_ / length_;
  return static_cast<std::int32_t>(
      std::min<std::uint64_t>(whole, std::numeric_limits<std::int32_t>::max()));
}

void RecordFile::MoveWindowTo(std::int32_t n) {
  if (!file_) throw FileError("use", name_, "the file has already been closed");
  const std::int32_t records = static_cast<std::int32_t>(window_.size() / length_);
  if (window_first_ != 0 && n >= window_first_ && n - window_first_ < records) return;
  Flush();
  window_first_ = n;
  const std::uint64_t start = Offset(n, length_);
  window_valid_ = start < size_
                      ? file_->ReadAt(start, window_.data(),
                                      std::min<std::uint64_t>(window_.size(), size_ - start))
                      : 0;
  std::fill(window_.begin() + static_cast<std::ptrdiff_t>(window_valid_), window_.end(), '\0');
}

std::size_t RecordFile::WholeRecordAt(std::int32_t n) {
  if (n < 1 || n > RecordCount()) {
    throw FileError("read", name_,
                    "record " + std::to_string(n) + " is not in the file (it holds " +
                        std::to_string(RecordCount()) + " records)");
  }
  MoveWindowTo(n);
  const std::size_t at = static_cast<std::size_t>(n - window_first_) * length_;
  if (at + length_ > window_valid_) {
    throw FileError("read", name_, "the file ended before record " + std::to_string(n));
  }
  return at;
}

TextRecord RecordFile::read(std::int32_t n) {
  return TextRecord(window_.substr(WholeRecordAt(n), length_), length_);
}

std::string_view RecordFile::Peek(std::int32_t n) {
  return std::string_view(window_).substr(WholeRecordAt(n), length_);
}

RecordView RecordFile::Edit(std::int32_t n) {
  const std::size_t at = WholeRecordAt(n);
  MarkDirty(at, at + length_);
  return RecordView(window_.data() + at, length_);
}

void RecordFile::MarkDirty(std::size_t begin, std::size_t end) {
  if (dirty_begin_ == dirty_end_) {
    dirty_begin_ = begin;
    dirty_end_ = end;
  } else {
    dirty_begin_ = std::min(dirty_begin_, begin);
    dirty_end_ = std::max(dirty_end_, end);
  }
}

void RecordFile::write(std::int32_t n, const TextRecord& record) {
  if (n < 1) throw FileError("write", name_, "record " + std::to_string(n) + " does not exist");
  MoveWindowTo(n);
  const std::size_t at = static_cast<std::size_t>(n - window_first_) * length_;
  const std::string& bytes = record.bytes();
  const std::size_t copied = std::min(bytes.size(), length_);
  std::memcpy(window_.data() + at, bytes.data(), copied);
  std::memset(window_.data() + at + copied, 0, length_ - copied);
  MarkDirty(at, at + length_);
  window_valid_ = std::max(window_valid_, at + length_);
  size_ = std::max(size_, Offset(n, length_) + length_);
}

void RecordFile::Flush() {
  if (dirty_begin_ == dirty_end_) return;
  const std::size_t begin = dirty_begin_, end = dirty_end_;
  dirty_begin_ = dirty_end_ = 0;
  const std::uint64_t offset = Offset(window_first_, length_) + begin;
  file_->WriteAt(offset, std::string_view(window_).substr(begin, end - begin));
  // Long walks write window after window; letting each go to the disk at
  // once keeps Close() from waiting for all of them at the end.
  file_->StartWriteback(offset, end - begin);
}

void RecordFile::Close() {
  if (!file_) return;
  Flush();
  file_->Sync();
  file_->Close();
  file_.reset();
}

}  // namespace common
