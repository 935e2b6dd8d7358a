#include "common/app/win32/win32_text.h"

#include "common/platform/windows1252.h"

namespace common::win32 {

namespace {

// MultiByteToWideChar of `text`; empty with `strict` when it is not UTF-8.
bool ConvertUtf8(std::string_view text, DWORD flags, std::wstring& out) {
  out.clear();
  if (text.empty()) return true;
  const int length =
      ::MultiByteToWideChar(CP_UTF8, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return false;
  out.resize(static_cast<std::size_t>(length));
  ::MultiByteToWideChar(CP_UTF8, flags, text.data(), static_cast<int>(text.size()), out.data(),
                        length);
  return true;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view text) {
  std::wstring out;
  ConvertUtf8(text, 0, out);
  return out;
}

std::string WideToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string out(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length,
                        nullptr, nullptr);
  return out;
}

std::wstring FromText(std::string_view text) { return Windows1252ToWide(text); }

std::string ToText(std::wstring_view text) {
  std::string out;
  WideToWindows1252(text, out);
  return out;
}

std::wstring AnyTextToWide(std::string_view text) {
  std::wstring out;
  if (ConvertUtf8(text, MB_ERR_INVALID_CHARS, out)) return out;
  return Windows1252ToWide(text);
}

std::wstring WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace common::win32
