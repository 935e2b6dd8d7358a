#include "common/platform/windows1252.h"

#include <array>

namespace common {

namespace {

constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char UnicodeToWindows1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// The well-formed UTF-8 sequences: the lead byte gives the number of
// continuation bytes and the range of the first of them, which rules out
// overlong forms (C0, C1, E0 80-9F, F0 80-8F), surrogates (ED A0-BF) and
// code points above U+10FFFF (F4 90-BF, F5-FF).
struct LeadByte {
  int continuations;
  unsigned char second_low, second_high;
};

bool Lead(unsigned char byte, LeadByte& lead) {
  if (byte >= 0xC2 && byte <= 0xDF)
    lead = {1, 0x80, 0xBF};
  else if (byte == 0xE0)
    lead = {2, 0xA0, 0xBF};
  else if (byte == 0xED)
    lead = {2, 0x80, 0x9F};
  else if (byte >= 0xE1 && byte <= 0xEF)
    lead = {2, 0x80, 0xBF};
  else if (byte == 0xF0)
    lead = {3, 0x90, 0xBF};
  else if (byte >= 0xF1 && byte <= 0xF3)
    lead = {3, 0x80, 0xBF};
  else if (byte == 0xF4)
    lead = {3, 0x80, 0x8F};
  else
    return false;
  return true;
}

// How many bytes at the start of `text` belong to a well-formed sequence
// begun there, as far as it goes (at least 1).
std::size_t MaximalSubpart(std::string_view text) {
  LeadByte lead;
  if (!Lead(static_cast<unsigned char>(text[0]), lead)) return 1;
  std::size_t n = 1;
  for (int k = 1; k <= lead.continuations && n < text.size(); ++k, ++n) {
    const auto byte = static_cast<unsigned char>(text[n]);
    const unsigned char low = k == 1 ? lead.second_low : 0x80;
    const unsigned char high = k == 1 ? lead.second_high : 0xBF;
    if (byte < low || byte > high) break;
  }
  return n;
}

// The length of the well-formed sequence at the start of `text`, or 0.
std::size_t WellFormedLength(std::string_view text) {
  const auto first = static_cast<unsigned char>(text[0]);
  if (first < 0x80) return 1;
  LeadByte lead;
  if (!Lead(first, lead)) return 0;
  const std::size_t n = MaximalSubpart(text);
  return n == static_cast<std::size_t>(lead.continuations) + 1 ? n : 0;
}

// REQUIRES: `sequence` is one well-formed sequence.
char32_t DecodeUtf8(std::string_view sequence) {
  const auto first = static_cast<unsigned char>(sequence[0]);
  if (sequence.size() == 1) return first;
  char32_t cp = first & (0x7F >> sequence.size());
  for (std::size_t k = 1; k < sequence.size(); ++k) {
    cp = (cp << 6) | (static_cast<unsigned char>(sequence[k]) & 0x3F);
  }
  return cp;
}

}  // namespace

char FoldCase1252(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
  switch (b) {
    case 0x8A:
      return static_cast<char>(0x9A);  // S with caron
    case 0x8C:
      return static_cast<char>(0x9C);  // OE
    case 0x8E:
      return static_cast<char>(0x9E);  // Z with caron
    case 0x9F:
      return static_cast<char>(0xFF);  // Y with diaeresis
    default:
      return c;
  }
}

char32_t Windows1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendUtf8(out, Windows1252ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t length = WellFormedLength(text.substr(i));
    if (length == 0) {
      // The longest start of a well-formed sequence stands for one '?'.
      out += '?';
      i += MaximalSubpart(text.substr(i));
      continue;
    }
    out += UnicodeToWindows1252(DecodeUtf8(text.substr(i, length)));
    i += length;
  }
  return out;
}

std::wstring Windows1252ToWide(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (const char c : text) {
    out += static_cast<wchar_t>(Windows1252ToUnicode(static_cast<unsigned char>(c)));
  }
  return out;
}

bool WideToWindows1252(std::wstring_view text, std::string& out) {
  out.clear();
  out.reserve(text.size());
  bool exact = true;
  for (const wchar_t unit : text) {
    const auto cp = static_cast<char32_t>(unit);
    const char byte = UnicodeToWindows1252(cp);
    // Only a real question mark may come back as one.
    if (byte == '?' && cp != U'?') exact = false;
    out += byte;
  }
  return exact;
}

}  // namespace common
