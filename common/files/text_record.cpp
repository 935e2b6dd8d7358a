#include "common/files/text_record.h"

#include <algorithm>
#include <cassert>

namespace common {

void TextRecord::Set(TextField field, std::string_view value) {
  assert(field.offset + field.width <= bytes_.size());
  const std::size_t kept = std::min(value.size(), field.width);
  bytes_.replace(field.offset, kept, value.substr(0, kept));
  std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(field.offset + kept), field.width - kept,
              ' ');
}

std::string TextRecord::Get(TextField field) const {
  assert(field.offset + field.width <= bytes_.size());
  return bytes_.substr(field.offset, field.width);
}

void RecordView::Set(TextField field, std::string_view value) {
  assert(field.offset + field.width <= length_);
  const std::size_t kept = std::min(value.size(), field.width);
  std::copy_n(value.data(), kept, bytes_ + field.offset);
  std::fill_n(bytes_ + field.offset + kept, field.width - kept, ' ');
}

std::string_view RecordView::Get(TextField field) const {
  assert(field.offset + field.width <= length_);
  return std::string_view(bytes_ + field.offset, field.width);
}

}  // namespace common
