// The console the terminal front ends talk through.

#ifndef COMMON_APP_TERMINAL_CONSOLE_H_
#define COMMON_APP_TERMINAL_CONSOLE_H_

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// Makes the standard streams carry the terminal's UTF-8 bytes unchanged. On
// Windows: no line-end translation and no end of input at Ctrl+Z on a pipe,
// and a console window set to UTF-8 (its code pages are put back when the
// program ends), so accented Windows-1252 text prints right. Nothing to do
// elsewhere.
void PrepareConsole();

// Where the standard streams of a program built as a windowed program lead.
enum class ConsoleKind {
  kStandardStreams,  // given by whoever started it: pipes, files, a console
  kParent,           // the console of the program that started it
  kOwn,              // a console window opened for it
  kNone,             // none could be had
};

// What ConnectConsole needs of the system; streams are 0 (input), 1
// (output) and 2 (errors).
class ConsoleSystem {
 public:
  virtual ~ConsoleSystem() = default;
  // Whether the stream leads somewhere already.
  virtual bool StreamUsable(int stream) = 0;
  // Attaches to the console of the parent process; false when it has none.
  virtual bool AttachToParent() = 0;
  // Opens a console window of the program's own.
  virtual bool OpenOwn() = 0;
  // Leads the stream to the attached console.
  virtual void ReopenOnConsole(int stream) = 0;
};

// Gives the standard streams a console where they lead nowhere. Input and
// output given by whoever started the program are kept. An `interactive`
// program (one that reads the user's answers) with no input of its own opens
// a console window of its own: the shell of a parent console goes on
// reading that console and would take the answers. Anything else prints to
// the parent's console, or to a console of its own when there is none.
ConsoleKind ConnectConsole(ConsoleSystem& system, bool interactive);

// The same with the real system. Elsewhere than on Windows a program always
// has its standard streams: kStandardStreams.
ConsoleKind ConnectConsole(bool interactive);

// Whether the program was started from a console or with streams of its
// own: on Windows, a parent console or standard input and output given. On
// other systems false: there the display decides between the windows and
// the terminal.
bool StartedFromConsole();

// The console a command line needs. The windows alone (no argument, --data)
// need none; --restore alone asks on the console it was started from, if
// any, else in a message box; every other command line prints, or reads
// answers (--terminal, --restore).
struct ConsoleUse {
  ConsoleKind kind = ConsoleKind::kNone;
  bool interactive = false;
  bool restore_on_terminal = false;
};
ConsoleUse ConnectConsoleFor(const std::vector<std::string>& args);

// In a console window of the program's own, which closes when the program
// ends, the last lines would vanish unread: after an error (`status` not 0)
// or after output alone (not `interactive`), asks for Enter on `out` and
// waits for it on `in`. Does nothing for any other console.
void HoldConsole(ConsoleKind kind, int status, bool interactive, std::istream& in,
                 std::ostream& out);

// Whether a line typed on the terminal ends the input: on a Windows console,
// Ctrl+Z at the start of a line followed by Enter; on a pipe and on other
// systems, never (the end of the stream does).
bool EndsInput(std::string_view line);

}  // namespace common

#endif  // COMMON_APP_TERMINAL_CONSOLE_H_
