#include "common/app/win32/list_keys.h"

#include <algorithm>

#include "common/app/controls.h"

namespace common {

std::optional<int> LineForKeyWithoutSelection(HWND list, WPARAM virtual_key) {
  if (::SendMessageW(list, LB_GETCURSEL, 0, 0) != LB_ERR) return std::nullopt;
  const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
  if (count <= 0) return std::nullopt;
  ListKey key;
  switch (virtual_key) {
    case VK_UP:
      key = ListKey::kUp;
      break;
    case VK_DOWN:
      key = ListKey::kDown;
      break;
    case VK_HOME:
      key = ListKey::kHome;
      break;
    case VK_END:
      key = ListKey::kEnd;
      break;
    case VK_PRIOR:
      key = ListKey::kPageUp;
      break;
    case VK_NEXT:
      key = ListKey::kPageDown;
      break;
    default:
      return std::nullopt;
  }
  // A page: the lines shown whole.
  RECT client;
  ::GetClientRect(list, &client);
  const int item = std::max(1, static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)));
  return LineFromNoSelection(key, count, std::max(1, static_cast<int>(client.bottom) / item));
}

}  // namespace common
