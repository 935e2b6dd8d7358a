// Windows-1252, the character set of every text in the data files: letter
// case folding for names, and conversion to and from UTF-8 for display.

#ifndef COMMON_PLATFORM_WINDOWS1252_H_
#define COMMON_PLATFORM_WINDOWS1252_H_

#include <string>
#include <string_view>

namespace common {

// The lower-case form of a Windows-1252 character (A-Z and the accented and
// other letters that have a case); every other byte is returned unchanged.
char FoldCase1252(char c);

// The Unicode code point of a Windows-1252 byte. The five bytes the code page
// leaves undefined map to the control characters of the same value.
char32_t Windows1252ToUnicode(unsigned char byte);

std::string Windows1252ToUtf8(std::string_view text);

// Characters that Windows-1252 cannot hold become '?', and so does each
// stretch of bytes that is not well-formed UTF-8: a stray or cut-short byte,
// an overlong form ("C0 AF" is no '/'), a surrogate, a code point above
// U+10FFFF.
std::string Utf8ToWindows1252(std::string_view text);

// File names for the Windows wide-character API: each Windows-1252 byte as
// its UTF-16 unit.
std::wstring Windows1252ToWide(std::string_view text);

// A wide file name back in Windows-1252. Returns false when some character
// has no Windows-1252 form; it becomes '?' in `out`.
bool WideToWindows1252(std::wstring_view text, std::string& out);

}  // namespace common

#endif  // COMMON_PLATFORM_WINDOWS1252_H_
