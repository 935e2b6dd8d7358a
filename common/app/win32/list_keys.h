// The keys of a Win32 list box while no line is selected: the list box would
// start every move from its first line, so End, Up and PageDown would all
// pick the first line. These keys pick the line the window logic says.

#ifndef COMMON_APP_WIN32_LIST_KEYS_H_
#define COMMON_APP_WIN32_LIST_KEYS_H_

#include <windows.h>

#include <optional>

namespace common {

// The line that the key `virtual_key` selects in `list` while none is
// selected; nothing for another key, a list with a selected line or with
// no line.
std::optional<int> LineForKeyWithoutSelection(HWND list, WPARAM virtual_key);

}  // namespace common

#endif  // COMMON_APP_WIN32_LIST_KEYS_H_
