#include "common/app/terminal/terminal_io.h"

#include <limits>

#include <charconv>

#include <iostream>

#include "common/app/messages.h"
#include "common/app/terminal/console.h"
#include "common/platform/windows1252.h"

namespace common {

bool TerminalIo::ReadLine(std::string& line) {
  out_.flush();
  std::string raw;
  if (!std::getline(in_, raw)) {
    line.clear();
    return false;
  }
  if (!raw.empty() && raw.back() == '\r') raw.pop_back();
  if (&in_ == &std::cin && EndsInput(raw)) {
    in_.setstate(std::ios::eofbit);
    line.clear();
    return false;
  }
  line = Utf8ToWindows1252(raw);
  return true;
}

void TerminalIo::Print(std::string_view text) {
  out_ << Windows1252ToUtf8(WithLineFeeds(std::string(text)));
}

void TerminalIo::PrintLine(std::string_view text) {
  Print(text);
  out_ << '\n';
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return "";
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

std::optional<int> WholeNumber(std::string_view line) {
  std::string text = common::Trimmed(line);
  const std::size_t digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (digits == text.size() || text.find_first_not_of("0123456789", digits) != std::string::npos) {
    return std::nullopt;
  }
  if (text[0] == '+') text.erase(0, 1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value <= std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

}  // namespace common
