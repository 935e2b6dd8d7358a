#include "tag/next_field.h"

namespace tag {

std::optional<std::string> NextField(common::LineFileReader& file) {
  for (int c = file.Peek(); c == ' ' || c == '\t' || c == '\r' || c == '\n'; c = file.Peek()) {
    file.Get();
  }
  if (file.AtEnd()) return std::nullopt;
  return common::ReadField(file);
}

}  // namespace tag
