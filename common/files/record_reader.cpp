#include "common/files/record_reader.h"

#include <cstring>
#include <limits>

#include "common/files/file_names.h"

namespace common {

namespace {

// About a megabyte of whole records per read.
std::size_t WindowFor(std::size_t record_length) {
  constexpr std::size_t kWindowBytes = 1 << 20;
  return record_length * (kWindowBytes / record_length + 1);
}

}  // namespace

RecordReader::RecordReader(Env& env, std::string_view name, std::size_t record_length)
    : name_(ResolveName(env, name)), length_(record_length) {
  RequireOrdinaryFileOrNothing(env, name_, "open");
  if (env.TypeOf(name_) == EntryType::kMissing) return;
  file_ = env.OpenForReading(name_);
  buffer_.resize(WindowFor(length_));
}

bool RecordReader::Next(std::string_view& record) {
  if (file_ == nullptr || length_ == 0) return false;
  if (end_ - begin_ < length_) {
    // Keep the partial record, then fill the window behind it.
    const std::size_t kept = end_ - begin_;
    std::memmove(buffer_.data(), buffer_.data() + begin_, kept);
    begin_ = 0;
    end_ = kept;
    while (!exhausted_ && end_ < buffer_.size()) {
      const std::size_t got = file_->Read(buffer_.data() + end_, buffer_.size() - end_);
      if (got == 0) exhausted_ = true;
      end_ += got;
    }
    if (end_ < length_) return false;
  }
  // Record numbers are 32-bit; a file longer than that has nothing past it.
  if (record_number_ == std::numeric_limits<std::int32_t>::max()) return false;
  record = std::string_view(buffer_.data() + begin_, length_);
  begin_ += length_;
  ++record_number_;
  return true;
}

}  // namespace common
