#include "common/app/terminal/terminal_io.h"

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

}  // namespace common
