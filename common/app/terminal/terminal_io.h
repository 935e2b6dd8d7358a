// TerminalIo: the two streams of the terminal front ends. What is printed is
// flushed before every read, so a person over a remote shell or a script
// through a pipe always sees the question before the program waits.

#ifndef COMMON_APP_TERMINAL_TERMINAL_IO_H_
#define COMMON_APP_TERMINAL_TERMINAL_IO_H_

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace common {

class TerminalIo {
 public:
  TerminalIo(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

  // Flushes the output, then reads one line without its line end (LF or
  // CR LF), taking it from UTF-8 to Windows-1252: what Windows-1252 cannot
  // hold and what is not well-formed UTF-8 becomes '?', so a department text
  // holding it is refused. False at the end of input.
  bool ReadLine(std::string& line);

  // Prints Windows-1252 text as UTF-8, each CR a line break. No wrapping.
  void Print(std::string_view text);
  void PrintLine(std::string_view text);

  std::ostream& out() { return out_; }

 private:
  std::istream& in_;
  std::ostream& out_;
};

// `text` without spaces and tabs at either end.
std::string Trimmed(std::string_view text);

// The whole number a typed line holds (spaces around it, an optional sign),
// when it holds one that fits an int and nothing else.
std::optional<int> WholeNumber(std::string_view line);

}  // namespace common

#endif  // COMMON_APP_TERMINAL_TERMINAL_IO_H_
