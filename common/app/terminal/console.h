// The console the terminal front ends talk through.

#ifndef COMMON_APP_TERMINAL_CONSOLE_H_
#define COMMON_APP_TERMINAL_CONSOLE_H_

namespace common {

// Makes the standard streams carry the terminal's UTF-8 bytes unchanged. On
// Windows: no line-end translation and no end of input at Ctrl+Z on a pipe,
// and a console window set to UTF-8 (its code pages are put back when the
// program ends), so accented Windows-1252 text prints right. Nothing to do
// elsewhere.
void PrepareConsole();

}  // namespace common

#endif  // COMMON_APP_TERMINAL_CONSOLE_H_
